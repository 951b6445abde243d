#include "design/DivisionEditor.h"
#include "design/NewOrder.h"
#include "design/SubDivisionEditor.h"
#include "model/NumberText.h"
#include "production/CostTable.h"
#include "production/CuttingPlan.h"
#include "production/PrintComputation.h"
#include "production/SheetJson.h"
#include "production/SheetPlan.h"
#include "production/SheetRenderer.h"
#include "records/ProjectFile.h"
#include "support/FullDisk.h"
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

// The two-door project with `change` made to it, written into `dir`.
QString projectWith(const QTemporaryDir& dir, const std::function<void(QJsonObject&)>& change) {
    QJsonObject root = QJsonDocument::fromJson(readFile(sheetData("two-doors/project.json"))).object();
    change(root);
    const QString path = dir.filePath(QStringLiteral("changed.json"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(root).toJson());
    return path;
}

// The two-door project with one header field changed.
QString projectWithHeader(const QTemporaryDir& dir, const QString& field, const QString& value) {
    return projectWith(dir, [&](QJsonObject& root) {
        QJsonObject header = root.value(QStringLiteral("header")).toObject();
        header.insert(field, value);
        root.insert(QStringLiteral("header"), header);
    });
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
    void pdfOntoAFullDiskFailsAndKeepsTheOldFile();
    void endlessInputIsRefused();
    void longOrderNameKeepsThePdfTitleShort();
    void extremeCabinetCountsGiveTheTrueProducts_data();
    void extremeCabinetCountsGiveTheTrueProducts();
    void cuttingSettingsComeFromTheProjectFile();
    void pieceLongerThanItsBarIsNamedAndTheRestPlanned();
    void writesThePlanPagesAsPdf();
    void writesTheLabelsAsPdf();
    void sheetPlanHasEveryMaterialOfTheLists();
    void sheetSettingsComeFromTheProjectFile();
    void writesTheSheetPlanPagesAsPdf();

private:
    QTemporaryDir m_dir;
};

void TestSheetTool::writesTheWholeSheetAsJson() {
    const TRun run = runTool({sheetData("two-doors/project.json")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    // The sheet plan is the optimiser's and is checked on its own below.
    QJsonObject figures = QJsonDocument::fromJson(run.out).object();
    QVERIFY(figures.contains(QStringLiteral("sheetPlan")));
    figures.remove(QStringLiteral("sheetPlan"));
    QCOMPARE(QJsonDocument(figures), QJsonDocument::fromJson(readFile(sheetData("two-doors/expected.json"))));
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
    QJsonObject figures = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(figures.take(QStringLiteral("cuttingPlan")).toObject(),
             CuttingPlanToJson(MakeCuttingPlan(own, TCuttingSettings())));
    const QJsonObject sheetPlan = figures.take(QStringLiteral("sheetPlan")).toObject();
    QCOMPARE(sheetPlan[QStringLiteral("pieceArea")].toString(),
             SheetPlanTexts::squareMetres(
                 MakeSheetPlan(project, TSheetSettings(), std::chrono::milliseconds(20)).pieceArea()));
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

void TestSheetTool::pdfOntoAFullDiskFailsAndKeepsTheOldFile() {
    TFullDisk disk;
    if (!disk.available()) QSKIP(qPrintable(disk.why()));
    const QString pdf = disk.filePath(QStringLiteral("sheet.pdf"));
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the sheet printed yesterday");
    old.close();
    disk.fill();
    const TRun run = runTool({sheetData("two-doors/project.json"), QStringLiteral("--pdf"), pdf});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("Cannot create file \"" + pdf.toUtf8() + "\". "), run.err.constData());
    QCOMPARE(readFile(pdf), QByteArray("the sheet printed yesterday"));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("filler"), QStringLiteral("sheet.pdf")}));
}

void TestSheetTool::endlessInputIsRefused() {
    if (!QFileInfo::exists(QStringLiteral("/dev/zero"))) QSKIP("no /dev/zero here");
    const TRun run = runTool({QStringLiteral("/dev/zero")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(
        QString::fromUtf8(run.err).startsWith(QStringLiteral("Proje dosyası okunamadı: \"/dev/zero\" 4 MB'tan büyük.")),
        run.err.constData());
}

void TestSheetTool::longOrderNameKeepsThePdfTitleShort() {
    const QString name = QStringLiteral("Çok uzun sipariş ").repeated(12000); // 204 000 characters
    const QString project = projectWithHeader(m_dir, QStringLiteral("orderName"), name);
    const QString pdf = m_dir.filePath(QStringLiteral("long-name.pdf"));
    const TRun run = runTool({project, QStringLiteral("--pdf"), pdf});
    QCOMPARE(run.exitCode, 0);
    // the whole name as UTF-16 title would take more than 400 000 bytes on its own
    QVERIFY2(QFileInfo(pdf).size() < 400000, qPrintable(QString::number(QFileInfo(pdf).size())));
    const QString title = SheetRenderer::pdfTitle(name);
    QVERIFY(title.size() <= SheetRenderer::MaxPdfTitle);
    QVERIFY(title.startsWith(QStringLiteral("Çok uzun sipariş Çok")));
}

namespace {

// Every count of `big` is exactly `cabinets` times the count of `one`, every other figure the
// product within the 15 digits a number text keeps.
void compareScaled(const QJsonValue& one, const QJsonValue& big, qint64 cabinets, const QString& where, bool isCount) {
    if (one.isArray()) {
        QCOMPARE(big.toArray().size(), one.toArray().size());
        for (qsizetype i = 0; i < one.toArray().size(); ++i)
            compareScaled(one.toArray().at(i), big.toArray().at(i), cabinets, where + QStringLiteral("[%1]").arg(i),
                          isCount);
        return;
    }
    if (one.isObject()) {
        for (const QString& key : one.toObject().keys()) {
            const bool count = key == QLatin1String("count") || key == QLatin1String("mechanisms");
            if (key == QLatin1String("line")) {
                QCOMPARE(big.toObject().value(key), one.toObject().value(key));
                continue;
            }
            compareScaled(one.toObject().value(key), big.toObject().value(key), cabinets,
                          where + QLatin1Char('.') + key, count);
        }
        return;
    }
    const QString small = one.toString(), large = big.toString();
    if (isCount) {
        QVERIFY2(QString::number(qint64(NumberText::toInt(small)) * cabinets) == large,
                 qPrintable(where + QStringLiteral(": ") + large));
        return;
    }
    // The glass gasket of one cabinet was rounded to hundredths before it was written.
    const double rounded = where == QLatin1String("glassGasket") ? 0.005 * std::abs(double(cabinets)) : 0;
    const double expected = NumberText::toFloat(small) * static_cast<double>(cabinets);
    const double got = NumberText::toFloat(large);
    QVERIFY2(std::abs(got - expected) <= std::abs(expected) * 1e-13 + 0.01 + rounded,
             qPrintable(where + QStringLiteral(": ") + large + QStringLiteral(" for ") + small));
}

} // namespace

void TestSheetTool::extremeCabinetCountsGiveTheTrueProducts_data() {
    QTest::addColumn<qint64>("cabinets");
    QTest::newRow("largest") << qint64(2147483647);
    QTest::newRow("2^30") << qint64(1073741824);
    QTest::newRow("lowest") << qint64(-2147483648LL);
}

// "Dolap Adet" takes any whole number: each figure of the sheet, of the tool's JSON and of the cost
// table is the true product, never a wrapped one.
void TestSheetTool::extremeCabinetCountsGiveTheTrueProducts() {
    QFETCH(qint64, cabinets);
    const QString path = projectWithHeader(m_dir, QStringLiteral("dolapadet"), QString::number(cabinets));
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject one = QJsonDocument::fromJson(readFile(sheetData("two-doors/expected.json"))).object();
    const QJsonObject big = QJsonDocument::fromJson(run.out).object();
    // billions of pieces are named as too many for a cutting plan, never planned or wrapped
    QCOMPARE(big[QStringLiteral("cuttingPlan")][QStringLiteral("problems")].toArray().isEmpty(), cabinets < 0);
    for (const char* key : {"profileList", "panelList", "glassList", "profileLengths", "profileWeights", "totalWeight",
                            "glassGasket", "dustGasket", "impactGasket", "mechanisms"}) {
        const QString name = QLatin1String(key);
        compareScaled(one.value(name), big.value(name), cabinets, name, name == QLatin1String("mechanisms"));
        if (QTest::currentTestFailed()) return;
    }
    QCOMPARE(big.value(QStringLiteral("holes")), one.value(QStringLiteral("holes")));
    // the areas are rounded after the product: the pieces' areas times the count
    for (const auto& [area, pieces] :
         {std::pair{"panelArea", "panelPieceAreas"}, std::pair{"glassArea", "glassPieceAreas"}}) {
        QCOMPARE(big.value(QLatin1String(pieces)), one.value(QLatin1String(pieces)));
        double sum = 0;
        for (const QJsonValue& piece : one.value(QLatin1String(pieces)).toArray())
            sum += NumberText::toFloat(piece.toString());
        const double expected = static_cast<double>(cabinets) * sum / 10000;
        const double got = NumberText::toFloat(big.value(QLatin1String(area)).toString());
        QVERIFY2(std::abs(got - expected) <= 0.005 + std::abs(expected) * 1e-13, area);
    }

    const TProjectFileContent content = ProjectFile::read(path);
    TProductionSheet sheet;
    TCostTable table;
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(content.project, content.group, sheet, &table); }), QString());
    QVERIFY(ShowCostTable(table, content.project, sheet));
    RecalculateCosts(table);
    QCOMPARE(table.quantities[TCostTable::Mechanisms], QString::number(2 * cabinets));
    for (int line = 0; line < TCostTable::LineCount; ++line) {
        const double expected =
            NumberText::toFloat(table.unitPrices[line]) * NumberText::toFloat(table.quantities[line]);
        QVERIFY(std::abs(NumberText::toFloat(table.totals[line]) - expected) <= std::abs(expected) * 1e-13 + 0.01);
    }
}

namespace {

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

void TestSheetTool::writesTheLabelsAsPdf() {
    const QString pdf = m_dir.filePath(QStringLiteral("labels.pdf"));
    const TRun run = runTool({sheetData("two-doors/project.json"), QStringLiteral("--labels-pdf"), pdf});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(readFile(pdf).startsWith("%PDF"));
    QCOMPARE(runTool({sheetData("two-doors/project.json"), QStringLiteral("--labels-pdf")}).exitCode, 2);
}

void TestSheetTool::sheetPlanHasEveryMaterialOfTheLists() {
    const TRun run = runTool({sheetData("two-doors/project.json")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject plan = QJsonDocument::fromJson(run.out)[QStringLiteral("sheetPlan")].toObject();
    QStringList materials;
    int pieces = 0;
    for (const QJsonValue& material : plan[QStringLiteral("materials")].toArray()) {
        materials << material[QStringLiteral("kind")].toString() + QLatin1Char(' ') +
                         material[QStringLiteral("material")].toString();
        pieces += material[QStringLiteral("pieces")].toString().toInt();
        QCOMPARE(material[QStringLiteral("sheetsUsed")].toString(), QStringLiteral("1"));
        QCOMPARE(material[QStringLiteral("provenOptimal")].toBool(), true);
    }
    // the panel list's and the glass list's materials, panels first
    QCOMPARE(materials, (QStringList{QStringLiteral("Panel Beyaz"), QStringLiteral("Panel Ceviz"),
                                     QStringLiteral("Cam Füme"), QStringLiteral("Cam Ayna")}));
    QCOMPARE(pieces, 5);
    QCOMPARE(plan[QStringLiteral("sheetsUsed")].toString(), QStringLiteral("4"));
    QCOMPARE(plan[QStringLiteral("lowerBound")].toString(), QStringLiteral("4"));
    QCOMPARE(plan[QStringLiteral("problems")].toArray(), QJsonArray());
}

void TestSheetTool::sheetSettingsComeFromTheProjectFile() {
    const QString path = projectWith(m_dir, [](QJsonObject& root) {
        root.insert(
            QStringLiteral("cutting"),
            QJsonObject{{QStringLiteral("panelStock"), QStringLiteral("200 x 150")},
                        {QStringLiteral("glassKerf"), QStringLiteral("0,2")},
                        {QStringLiteral("sheetMaterials"),
                         QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("Beyaz")},
                                                {QStringLiteral("panelStock"), QStringLiteral("130 x 125")}}}}});
    });
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 0);
    // The 245 cm Ceviz panel is longer than its 200 cm sheets: named, the rest planned.
    QCOMPARE(QString::fromUtf8(run.err).trimmed(),
             QStringLiteral("57,35 x 245 cm Panel: Ceviz levhadan kesilemez: levha 200 x 150 cm, her kenardan 1 cm "
                            "kesilir, parça döndürülemez (1 adet plana alınmadı: K2 B2)."));
    const QJsonArray materials =
        QJsonDocument::fromJson(run.out)[QStringLiteral("sheetPlan")][QStringLiteral("materials")].toArray();
    QCOMPARE(materials[0][QStringLiteral("stock")].toString(), QStringLiteral("130 x 125"));
    QCOMPARE(materials[0][QStringLiteral("sheetsUsed")].toString(), QStringLiteral("1"));
    QCOMPARE(materials[1][QStringLiteral("sheetsUsed")].toString(), QStringLiteral("0"));
    QCOMPARE(materials[2][QStringLiteral("kerf")].toString(), QStringLiteral("0,2"));

    const QString wrong = projectWith(m_dir, [](QJsonObject& root) {
        root.insert(QStringLiteral("cutting"), QJsonObject{{QStringLiteral("glassStock"), QStringLiteral("321")}});
    });
    const TRun refused = runTool({wrong});
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.out, QByteArray());
    QVERIFY(QString::fromUtf8(refused.err).startsWith(QStringLiteral("'321' levha ölçüsü olarak okunamadı")));
}

void TestSheetTool::writesTheSheetPlanPagesAsPdf() {
    const QString pdf = m_dir.filePath(QStringLiteral("levha.pdf"));
    const TRun run = runTool({sheetData("two-doors/project.json"), QStringLiteral("--sheet-plan-pdf"), pdf});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(readFile(pdf).startsWith("%PDF"));
    QCOMPARE(runTool({sheetData("two-doors/project.json"), QStringLiteral("--sheet-plan-pdf")}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestSheetTool)
#include "tst_sheettool.moc"
