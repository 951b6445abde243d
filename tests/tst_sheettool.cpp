#include "design/DivisionEditor.h"
#include "design/NewOrder.h"
#include "design/SubDivisionEditor.h"
#include "production/PrintComputation.h"
#include "production/SheetJson.h"
#include "records/ProjectFile.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

struct TRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

TRun runTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(DORAVEL_SHEET_TOOL), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString sheetData(const char* name) {
    return QStringLiteral(DORAVEL_TEST_DATA "/sheet/") + QLatin1String(name);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestSheetTool : public QObject {
    Q_OBJECT
private slots:
    void writesTheWholeSheetAsJson();
    void failuresGoToStandardError_data();
    void failuresGoToStandardError();
    void helpSaysWhatItDoes();
    void designedThroughTheEditorsGivesTheSameSheet();
    void writesThePageAsPdf();

private:
    QTemporaryDir m_dir;
};

void TestSheetTool::writesTheWholeSheetAsJson() {
    const TRun run = runTool({sheetData("two-doors/project.json")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(QJsonDocument::fromJson(run.out), QJsonDocument::fromJson(readFile(sheetData("two-doors/expected.json"))));
}

void TestSheetTool::failuresGoToStandardError_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");
    const QByteArray good = readFile(sheetData("two-doors/project.json"));
    QByteArray letter = good;
    letter.replace("\"115,7\"", "\"12a\"");
    // door 2 without the width of its division 1
    QJsonObject root = QJsonDocument::fromJson(good).object();
    QJsonArray doors = root.value(QStringLiteral("doors")).toArray();
    QJsonArray door2 = doors.at(1).toArray();
    door2.replace(0, QString());
    doors.replace(1, door2);
    root.insert(QStringLiteral("doors"), doors);
    const QByteArray undesigned = QJsonDocument(root).toJson();
    QByteArray noHeight = good;
    noHeight.replace("\"openingHeight\": \"253,5\"", "\"openingHeight\": \"\"");
    QByteArray missing = good;
    missing.replace("\"doorHeight\"", "\"height\"");
    QByteArray wrongType = good;
    wrongType.replace("\"doorCount\": \"2\"", "\"doorCount\": 2");
    QTest::newRow("not a number") << letter << "'12a' is not a valid floating point value";
    QTest::newRow("door 2 not designed") << undesigned << "Lütfen Ölçülendirme Yapınız !";
    QTest::newRow("no opening height") << noHeight << "Lütfen  Dolap Eni ve Boyunu Giriniz !";
    QTest::newRow("missing member") << missing << "Proje dosyası okunamadı: 'header.doorHeight' eksik.";
    QTest::newRow("wrong type") << wrongType << "Proje dosyası okunamadı: 'header.doorCount' bir metin olmalı.";
    QTest::newRow("not JSON") << QByteArray("{\"header\": ") << "Proje dosyası geçerli bir JSON belgesi değil";
}

void TestSheetTool::failuresGoToStandardError() {
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("broken.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(json);
    file.close();
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(QString::fromUtf8(run.err).startsWith(message), run.err.constData());
}

void TestSheetTool::helpSaysWhatItDoes() {
    const TRun run = runTool({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("Usage: doravel3-sheet PROJECT.json [--pdf FILE]"));
    QVERIFY(run.out.contains("standard error"));
    QCOMPARE(runTool({}).exitCode, 2);
}

void TestSheetTool::designedThroughTheEditorsGivesTheSameSheet() {
    TProject project;
    TProfileGroup group = defaultGroup();
    TNewOrder order;
    OpenNewOrder(order, group, project);
    order.orderName = QStringLiteral("Editörden");
    order.doorCount = QStringLiteral("3");
    ChangeNewOrderDoorCount(order, group, project);
    EditNewOrderOpening(order, QStringLiteral("300"), QStringLiteral("250"), group, project);
    QVERIFY(RunGuarded(
        [&] { ConfirmNewOrder(order, group, project, {QStringLiteral("Bronz")}, {QStringLiteral("Slim")}); }));

    TDivisionEditor editor;
    std::array<QImage, 7> images;
    QVERIFY(RunGuarded([&] { RequestDivisionEditor(editor, project, 0); }));
    OpenDivisionEditor(editor, project, group);
    ChangeDivisionCount(editor, QStringLiteral("3"), group, project.doorHeight);
    editor.rows[2].kind = QStringLiteral("Cam");
    editor.rows[2].name = QStringLiteral("Füme");
    ToggleDivisionLock(editor, 1, TDimension::Height, true, group, project.doorHeight);
    EditDivisionSize(editor, 1, TDimension::Height, QStringLiteral("60"), group, project.doorHeight);
    SetAraBolme(editor, 3, true, group, project.doorHeight);
    TSubDivisionEditor sub;
    sub.nameChoices = {QStringLiteral("Ceviz")};
    OpenSubDivisionEditor(sub, editor, 3, group);
    ConfirmSubDivisionEditor(sub, editor, group, project.doorHeight);
    ConfirmDivisionEditor(editor, project, images);

    TProductionSheet own;
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(project, group, own); }), QString());
    const QString path = m_dir.filePath(QStringLiteral("designed.json"));
    ProjectFile::write(path, project, group);
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(run.out), QJsonDocument::fromJson(SheetToJson(own)));
    QVERIFY(run.out.contains("\"3. Ara Profile Soldan\""));
}

void TestSheetTool::writesThePageAsPdf() {
    const QString pdf = m_dir.filePath(QStringLiteral("sheet.pdf"));
    const TRun run = runTool({sheetData("two-doors/project.json"), QStringLiteral("--pdf"), pdf});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(readFile(pdf).startsWith("%PDF"));
}

QTEST_GUILESS_MAIN(TestSheetTool)
#include "tst_sheettool.moc"
