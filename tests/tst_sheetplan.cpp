#include "model/Errors.h"
#include "production/CostTable.h"
#include "production/ProductionSheet.h"
#include "production/SheetPlan.h"
#include "production/SheetPlanRenderer.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace ProjectBuilder;

namespace {

constexpr std::chrono::milliseconds k_limit{50};

// Two doors 100 wide: door 1 two Ceviz panels over a Ayna glass, door 2 one Ayna glass and a split
// division of Buzlu Cam and Ceviz side by side.
TProject order(const QString& cabinets = QStringLiteral("1")) {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("250"), QStringLiteral("246,5"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("3"));
    setDivision(project, 1, 1, QStringLiteral("95,7"), QStringLiteral("80"), QStringLiteral("Panel"),
                QStringLiteral("Ceviz"));
    setDivision(project, 1, 2, QStringLiteral("95,7"), QStringLiteral("80"), QStringLiteral("Panel"),
                QStringLiteral("Ceviz"));
    setDivision(project, 1, 3, QStringLiteral("95,7"), QStringLiteral("80"), QStringLiteral("Cam"),
                QStringLiteral("Ayna"));
    setDoor(project, 2, QStringLiteral("Yatay"), QStringLiteral("2"));
    setDivision(project, 2, 1, QStringLiteral("95,7"), QStringLiteral("120"), QStringLiteral("Cam"),
                QStringLiteral("Ayna"));
    setDivision(project, 2, 2, QStringLiteral("95,7"), QStringLiteral("120"), QStringLiteral("Panel"),
                QStringLiteral("Ceviz"));
    setSplit(project, 2, 2,
             {QStringLiteral("40"), QStringLiteral("Cam"), QStringLiteral("Buzlu Cam"), QStringLiteral("55,7"),
              QStringLiteral("Panel"), QStringLiteral("Ceviz"), QStringLiteral("0"), QStringLiteral("Panel"),
              QStringLiteral("Ceviz"), QStringLiteral("1")});
    project.dolapadet = cabinets;
    return project;
}

const TMaterialSheetPlan* materialOf(const TSheetCuttingPlan& plan, int kind, const QString& name) {
    for (const TMaterialSheetPlan& material : plan.materials)
        if (material.kind == kind && material.name == name) return &material;
    return nullptr;
}

QStringList labelsOf(const TMaterialSheetPlan& material) {
    QStringList labels;
    for (const TPlannedSheet& sheet : material.sheets)
        for (const TPlacedPiece& piece : sheet.pieces)
            labels << piece.label;
    labels.sort();
    return labels;
}

} // namespace

class TestSheetPlan : public QObject {
    Q_OBJECT
private slots:
    void piecesArePlannedPerMaterialWithTheirDoorAndDivision();
    void cabinetCountMultipliesThePieces();
    void grainKeepsAPieceUprightUnlessItMayTurn();
    void pieceLargerThanItsSheetIsNamedAndTheRestPlanned();
    void materialOfItsOwnUsesItsSheets();
    void orderWithoutPanelOrGlassHasAnEmptyPlan();
    void commandStopsWithThePrintPreviewsCheck();
    void jsonCarriesSheetsCutsAndProof();
    void pagesShowEverySheetWithinThePage();
    void writesThePagesAsPdf();
};

void TestSheetPlan::piecesArePlannedPerMaterialWithTheirDoorAndDivision() {
    const TSheetCuttingPlan plan = MakeSheetPlan(order(), TSheetSettings(), k_limit);
    QCOMPARE(plan.materials.size(), std::size_t(3)); // panels first, then glass in the order of first use
    QCOMPARE(plan.materials[0].title(), QStringLiteral("Panel: Ceviz"));
    QCOMPARE(plan.materials[1].title(), QStringLiteral("Cam: Ayna"));
    QCOMPARE(plan.materials[2].title(), QStringLiteral("Cam: Buzlu Cam"));
    const TMaterialSheetPlan& ceviz = plan.materials[0];
    QCOMPARE(ceviz.pieces, 3);
    QCOMPARE(labelsOf(ceviz),
             (QStringList{QStringLiteral("K1 B1"), QStringLiteral("K1 B2"), QStringLiteral("K2 B2/2")}));
    QCOMPARE(labelsOf(plan.materials[1]), (QStringList{QStringLiteral("K1 B3"), QStringLiteral("K2 B1")}));
    QCOMPARE(labelsOf(plan.materials[2]), QStringList{QStringLiteral("K2 B2/1")});
    QCOMPARE(ceviz.pieceArea, 2 * 95.7 * 80 + 55.7 * 120);
    QCOMPARE(ceviz.sheets.size(), std::size_t(1));
    QCOMPARE(ceviz.lowerBound, 1);
    QVERIFY(plan.proven());
    QCOMPARE(plan.sheets(), 3);
    QCOMPARE(ceviz.sheets[0].width, 280.0);
    QCOMPARE(ceviz.sheets[0].height, 207.0);
    QVERIFY(!ceviz.sheets[0].cuts.empty());
    // a piece keeps its design's size text and lies inside the sheet less its trims
    for (const TPlacedPiece& piece : ceviz.sheets[0].pieces) {
        QVERIFY(piece.x >= 1 && piece.y >= 1);
        QVERIFY(piece.x + piece.width <= 279 + 1e-9 && piece.y + piece.height <= 206 + 1e-9);
    }
    QVERIFY(plan.problems().isEmpty());
    QVERIFY(plan.wastePercent() >= 0 && plan.wastePercent() < 100);
}

void TestSheetPlan::cabinetCountMultipliesThePieces() {
    const TSheetCuttingPlan plan = MakeSheetPlan(order(QStringLiteral("4")), TSheetSettings(), k_limit);
    const TMaterialSheetPlan* ceviz = materialOf(plan, TSheetSettings::Panel, QStringLiteral("Ceviz"));
    QCOMPARE(ceviz->pieces, 12);
    QCOMPARE(labelsOf(*ceviz).count(QStringLiteral("K2 B2/2")), 4);
    QVERIFY(static_cast<int>(ceviz->sheets.size()) >= ceviz->lowerBound);
    QCOMPARE(materialOf(plan, TSheetSettings::Glass, QStringLiteral("Ayna"))->pieces, 8);
}

// 20 pieces 100 wide and 180 high: upright, a 280 x 207 sheet (278 x 205 inside the trims) takes two
// side by side along its length; turned, it would take only one more. With the grain they stay upright.
void TestSheetPlan::grainKeepsAPieceUprightUnlessItMayTurn() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("250"), QStringLiteral("246,5"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("1"));
    setDivision(project, 1, 1, QStringLiteral("95"), QStringLiteral("60"), QStringLiteral("Panel"),
                QStringLiteral("Ceviz"));
    setDoor(project, 2, QStringLiteral("Yatay"), QStringLiteral("1"));
    setDivision(project, 2, 1, QStringLiteral("95"), QStringLiteral("60"), QStringLiteral("Panel"),
                QStringLiteral("Beyaz"));
    project.dolapadet = QStringLiteral("6");
    TSheetSettings settings;
    settings.materialRow(QStringLiteral("Beyaz")).rotate[TSheetSettings::Panel] = QStringLiteral("1");
    const TSheetCuttingPlan plan = MakeSheetPlan(project, settings, k_limit);
    // Ceviz: the 60 cm height along the sheet's 280 cm length: 4 x 2 = 8 a sheet, one sheet for 6.
    const TMaterialSheetPlan* ceviz = materialOf(plan, TSheetSettings::Panel, QStringLiteral("Ceviz"));
    for (const TPlannedSheet& sheet : ceviz->sheets)
        for (const TPlacedPiece& piece : sheet.pieces) {
            QVERIFY(!piece.rotated);
            QCOMPARE(piece.width, 60.0);
            QCOMPARE(piece.height, 95.0);
        }
    QVERIFY(!ceviz->rotate);
    QVERIFY(materialOf(plan, TSheetSettings::Panel, QStringLiteral("Beyaz"))->rotate);
}

void TestSheetPlan::pieceLargerThanItsSheetIsNamedAndTheRestPlanned() {
    TProject project = order();
    setDivision(project, 1, 1, QStringLiteral("95,7"), QStringLiteral("290"), QStringLiteral("Panel"),
                QStringLiteral("Ceviz"));
    const TSheetCuttingPlan plan = MakeSheetPlan(project, TSheetSettings(), k_limit);
    const TMaterialSheetPlan* ceviz = materialOf(plan, TSheetSettings::Panel, QStringLiteral("Ceviz"));
    QCOMPARE(ceviz->problems,
             QStringList{QStringLiteral("95,7 x 290 cm Panel: Ceviz levhadan kesilemez: levha 280 x 207 cm, her "
                                        "kenardan 1 cm kesilir, parça döndürülemez (1 adet plana alınmadı: K1 B1).")});
    QCOMPARE(ceviz->pieces, 2);
    QCOMPARE(labelsOf(*ceviz), (QStringList{QStringLiteral("K1 B2"), QStringLiteral("K2 B2/2")}));
    QCOMPARE(plan.problems(), ceviz->problems);
}

// A material with a cheap small sheet beside the dearer standard one: the small one is used where it
// is enough; a count that runs out is named.
void TestSheetPlan::materialOfItsOwnUsesItsSheets() {
    TSheetSettings settings;
    settings.materialRow(QStringLiteral("Buzlu Cam")).stock[TSheetSettings::Glass] =
        QStringLiteral("321 x 225 / / 5; 130 x 50 / / 1");
    const TSheetCuttingPlan plan = MakeSheetPlan(order(), settings, k_limit);
    const TMaterialSheetPlan* buzlu = materialOf(plan, TSheetSettings::Glass, QStringLiteral("Buzlu Cam"));
    QCOMPARE(buzlu->sheets.size(), std::size_t(1));
    QCOMPARE(buzlu->sheets[0].width, 130.0);
    QCOMPARE(buzlu->sheets[0].height, 50.0);

    settings.materialRow(QStringLiteral("Ayna")).stock[TSheetSettings::Glass] = QStringLiteral("130 x 100 / 1");
    const TSheetCuttingPlan few = MakeSheetPlan(order(), settings, k_limit);
    const TMaterialSheetPlan* ayna = materialOf(few, TSheetSettings::Glass, QStringLiteral("Ayna"));
    QCOMPARE(ayna->sheets.size(), std::size_t(1));
    QCOMPARE(ayna->problems.size(), 1);
    QVERIFY2(ayna->problems[0].contains(QStringLiteral("levha yetmedi")), qPrintable(ayna->problems[0]));
}

void TestSheetPlan::orderWithoutPanelOrGlassHasAnEmptyPlan() {
    TProject project = order(QStringLiteral("0"));
    const TSheetCuttingPlan plan = MakeSheetPlan(project, TSheetSettings(), k_limit);
    QCOMPARE(plan.sheets(), 0);
    QCOMPARE(plan.lowerBound(), 0);
    QVERIFY(plan.proven());
    QCOMPARE(plan.wastePercent(), 0.0);
    QCOMPARE(SheetPlanRenderer::pageCount(plan), 1);
}

void TestSheetPlan::commandStopsWithThePrintPreviewsCheck() {
    TScriptedMessages messages;
    TProject project = order();
    project.openingWidth.clear();
    TProductionSheet sheet;
    TCostTable costTable;
    TSheetCuttingPlan plan;
    QCOMPARE(refusalOf([&] { SheetPlanCommand(project, defaultGroup(), TSheetSettings(), sheet, costTable, plan); }),
             QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !"));
    QVERIFY(plan.materials.empty());

    TProject tooLarge = order();
    setDivision(tooLarge, 1, 3, QStringLiteral("95,7"), QStringLiteral("400"), QStringLiteral("Cam"),
                QStringLiteral("Ayna"));
    SheetPlanCommand(tooLarge, defaultGroup(), TSheetSettings(), sheet, costTable, plan);
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown[0].startsWith(QStringLiteral("95,7 x 400 cm Cam: Ayna levhadan kesilemez")));
    QCOMPARE(plan.orderName, tooLarge.orderName);
    QCOMPARE(plan.sheets(), 3);
}

void TestSheetPlan::jsonCarriesSheetsCutsAndProof() {
    const QJsonObject json = SheetPlanToJson(MakeSheetPlan(order(QStringLiteral("2")), TSheetSettings(), k_limit));
    const QJsonArray materials = json[QStringLiteral("materials")].toArray();
    QCOMPARE(materials.size(), 3);
    const QJsonObject ceviz = materials[0].toObject();
    QCOMPARE(ceviz[QStringLiteral("kind")].toString(), QStringLiteral("Panel"));
    QCOMPARE(ceviz[QStringLiteral("material")].toString(), QStringLiteral("Ceviz"));
    QCOMPARE(ceviz[QStringLiteral("stock")].toString(), QStringLiteral("280 x 207"));
    QCOMPARE(ceviz[QStringLiteral("pieces")].toString(), QStringLiteral("6"));
    QCOMPARE(ceviz[QStringLiteral("kerf")].toString(), QStringLiteral("0,4"));
    const QJsonObject sheet = ceviz[QStringLiteral("sheets")].toArray().first().toObject();
    QCOMPARE(sheet[QStringLiteral("stock")].toString(), QStringLiteral("280 x 207"));
    const QJsonObject piece = sheet[QStringLiteral("pieces")].toArray().first().toObject();
    for (const char* key : {"label", "size", "x", "y", "width", "height", "rotated"})
        QVERIFY2(piece.contains(QLatin1String(key)), key);
    const QJsonArray cuts = sheet[QStringLiteral("cuts")].toArray();
    QVERIFY(!cuts.isEmpty());
    QCOMPARE(cuts.first()[QStringLiteral("number")].toString(), QStringLiteral("1"));
    QCOMPARE(cuts.first()[QStringLiteral("stage")].toString(), QStringLiteral("1"));
    int sheets = 0;
    bool proven = true;
    for (const QJsonValue& material : materials) {
        sheets += material[QStringLiteral("sheetsUsed")].toString().toInt();
        proven = proven && material[QStringLiteral("provenOptimal")].toBool();
        QVERIFY(material[QStringLiteral("sheetsUsed")].toString().toInt() >=
                material[QStringLiteral("lowerBound")].toString().toInt());
    }
    QCOMPARE(json[QStringLiteral("sheetsUsed")].toString().toInt(), sheets);
    QCOMPARE(json[QStringLiteral("provenOptimal")].toBool(), proven);
}

// Every sheet is drawn, and nothing is painted outside the page's margins, not even a long name.
void TestSheetPlan::pagesShowEverySheetWithinThePage() {
    TProject project = order(QStringLiteral("9"));
    const QString longName = QStringLiteral("Çok Uzun Adlı Özel Lake Kapak Malzemesi Parlak Antrasit Gri Damarlı Ceviz "
                                            "Görünümlü Levha");
    setDivision(project, 1, 1, QStringLiteral("95,7"), QStringLiteral("80"), QStringLiteral("Panel"), longName);
    project.orderName = QStringLiteral("Yılmaz Yatak Odası Dolabı ve Antre Dolabı ve Çocuk Odası Dolabı Siparişi");
    const TSheetCuttingPlan plan = MakeSheetPlan(project, TSheetSettings(), k_limit);
    const int pages = SheetPlanRenderer::pageCount(plan);
    QVERIFY(pages >= 2);
    const int width = 794, height = 1123;
    for (int page = 0; page < pages; ++page) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        SheetPlanRenderer::paint(painter, QRectF(0, 0, width, height), plan, page);
        painter.end();
        // the side margins (38 px) stay white
        for (int y = 0; y < height; y += 2)
            for (int x : {0, 20, 34, width - 34, width - 20, width - 1})
                QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255),
                         qPrintable(QStringLiteral("page %1 painted at %2, %3").arg(page + 1).arg(x).arg(y)));
    }
}

void TestSheetPlan::writesThePagesAsPdf() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("levha.pdf"));
    SheetPlanRenderer::writePdf(path, MakeSheetPlan(order(), TSheetSettings(), k_limit));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
    try {
        SheetPlanRenderer::writePdf(dir.filePath(QStringLiteral("yok/levha.pdf")), TSheetCuttingPlan());
        QFAIL("written into a missing folder");
    } catch (const DoravelError& error) {
        QVERIFY(error.message().startsWith(QStringLiteral("Cannot create file")));
    }
}

QTEST_MAIN(TestSheetPlan)
#include "tst_sheetplan.moc"
