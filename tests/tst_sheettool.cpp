#include "design/DivisionEditor.h"
#include "design/NewOrder.h"
#include "design/SubDivisionEditor.h"
#include "production/CuttingPlan.h"
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
    void cuttingSettingsComeFromTheProjectFile();
    void pieceLongerThanItsBarIsNamedAndTheRestPlanned();
    void writesThePlanPagesAsPdf();

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
    QVERIFY(ConfirmNewOrder(order, group, project, {QStringLiteral("Bronz")}, {QStringLiteral("Slim")}));

    TDivisionEditor editor;
    std::array<QImage, 7> images;
    QVERIFY(RequestDivisionEditor(editor, project, 0));
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
    QCOMPARE(ComputeProductionSheet(project, group, own), QString());
    const QString path = m_dir.filePath(QStringLiteral("designed.json"));
    ProjectFile::write(path, project, group);
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 0);
    QJsonObject figures = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(figures.take(QStringLiteral("cuttingPlan")).toObject(),
             CuttingPlanToJson(MakeCuttingPlan(own, TCuttingSettings())));
    QCOMPARE(QJsonDocument(figures), QJsonDocument::fromJson(SheetToJson(own)));
    QVERIFY(run.out.contains("\"3. Ara Profile Soldan\""));
}

void TestSheetTool::writesThePageAsPdf() {
    const QString pdf = m_dir.filePath(QStringLiteral("sheet.pdf"));
    const TRun run = runTool({sheetData("two-doors/project.json"), QStringLiteral("--pdf"), pdf});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(readFile(pdf).startsWith("%PDF"));
}

namespace {

QString projectWith(const QTemporaryDir& dir, const std::function<void(QJsonObject&)>& change) {
    QJsonObject root = QJsonDocument::fromJson(readFile(sheetData("two-doors/project.json"))).object();
    change(root);
    const QString path = dir.filePath(QStringLiteral("changed.json"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(root).toJson());
    return path;
}

QJsonObject planKind(const TRun& run, const char* kind) {
    return QJsonDocument::fromJson(run.out)[QStringLiteral("cuttingPlan")][QStringLiteral("kinds")][QLatin1String(kind)]
        .toObject();
}

} // namespace

void TestSheetTool::cuttingSettingsComeFromTheProjectFile() {
    const QString path = projectWith(m_dir, [](QJsonObject& root) {
        root.insert(QStringLiteral("cutting"), QJsonObject{{QStringLiteral("side"), QStringLiteral("500")},
                                                           {QStringLiteral("kerf"), QStringLiteral("0")}});
    });
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject side = planKind(run, "side");
    QCOMPARE(side[QStringLiteral("stockLength")].toString(), QStringLiteral("500"));
    // Two 250 cm pieces fill a 500 cm bar exactly when the saw takes nothing.
    QCOMPARE(side[QStringLiteral("barsUsed")].toString(), QStringLiteral("2"));
    QCOMPARE(side[QStringLiteral("offcuts")].toArray(), QJsonArray());
    QCOMPARE(planKind(run, "top")[QStringLiteral("stockLength")].toString(), QStringLiteral("600"));

    const QString wrong = projectWith(m_dir, [](QJsonObject& root) {
        root.insert(QStringLiteral("cutting"), QJsonObject{{QStringLiteral("kerf"), 0.4}});
    });
    const TRun refused = runTool({wrong});
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.out, QByteArray());
    QCOMPARE(QString::fromUtf8(refused.err).trimmed(),
             QStringLiteral("Proje dosyası okunamadı: 'cutting.kerf' bir metin olmalı."));
}

void TestSheetTool::pieceLongerThanItsBarIsNamedAndTheRestPlanned() {
    const QString path = projectWith(m_dir, [](QJsonObject& root) {
        root.insert(QStringLiteral("cutting"), QJsonObject{{QStringLiteral("topRail"), QStringLiteral("200")}});
    });
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.err).trimmed(),
             QStringLiteral("240 cm Üst Ray çubuktan kesilemez: çubuk boyu 200 cm, kullanılabilir boy 200 cm (1 adet "
                            "plana alınmadı)."));
    QCOMPARE(planKind(run, "topRail")[QStringLiteral("barsUsed")].toString(), QStringLiteral("0"));
    QCOMPARE(planKind(run, "bottomRail")[QStringLiteral("barsUsed")].toString(), QStringLiteral("1"));
}

void TestSheetTool::writesThePlanPagesAsPdf() {
    const QString pdf = m_dir.filePath(QStringLiteral("plan.pdf"));
    const TRun run = runTool({sheetData("two-doors/project.json"), QStringLiteral("--plan-pdf"), pdf});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(readFile(pdf).startsWith("%PDF"));
    QCOMPARE(runTool({sheetData("two-doors/project.json"), QStringLiteral("--plan-pdf")}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestSheetTool)
#include "tst_sheettool.moc"
