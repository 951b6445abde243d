#include "labels/Code128.h"
#include "labels/LabelRenderer.h"
#include "labels/LabelSheet.h"
#include "labels/LabelsCommand.h"
#include "labels/PieceLabels.h"
#include "model/NumberText.h"
#include "production/CostTable.h"
#include "production/CuttingPlan.h"
#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"
#include "records/ProjectFile.h"
#include "settings/ProfileStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <map>

namespace {

// The two-door order of the sheet tool's example (a split glass division among them), for
// `cabinets` wardrobes.
TProjectFileContent exampleOrder(const char* cabinets) {
    TProjectFileContent content = ProjectFile::read(QStringLiteral(DORAVEL_TEST_DATA "/sheet/two-doors/project.json"));
    content.project.dolapadet = QLatin1String(cabinets);
    return content;
}

const TLabelOrder k_order{QStringLiteral("123"), QStringLiteral("Aydın Mutfak"), QStringLiteral("Yılmaz Mobilya")};

struct TComputed {
    TProductionSheet sheet;
    TCuttingPlan plan;
    TPieceLabels labels;
};

TComputed compute(const TProjectFileContent& content, const TLabelOrder& order = k_order) {
    TComputed c;
    TCostTable costs;
    ComputeProductionSheet(content.project, content.group, c.sheet, &costs);
    c.plan = MakeCuttingPlan(c.sheet, TCuttingSettings());
    c.labels = BuildPieceLabels(content.project, c.sheet, &c.plan, order);
    return c;
}

TLabelSheetSettings sheetOf(int format) {
    TLabelSheetSettings settings;
    settings.showFormat(format);
    return settings;
}

TLabelSheetSettings customSheet(const char* columns, const char* rows, const char* width, const char* height) {
    TLabelSheetSettings settings = sheetOf(TLabelSheetSettings::CustomSheet);
    settings.setText(TLabelSheetSettings::columns, QLatin1String(columns));
    settings.setText(TLabelSheetSettings::rows, QLatin1String(rows));
    settings.setText(TLabelSheetSettings::labelWidth, QLatin1String(width));
    settings.setText(TLabelSheetSettings::labelHeight, QLatin1String(height));
    settings.setText(TLabelSheetSettings::marginTop, QStringLiteral("0"));
    return settings;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) qWarning("%s is not installed (scripts/setup.sh installs it)", qPrintable(program));
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every barcode the pages of the PDF show, as Debian's zbarimg reads them from 200-dpi pictures.
QStringList barcodesOf(const QString& pdf, const QString& folder) {
    const QString prefix = QDir(folder).filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"), pdf, prefix});
    QStringList arguments{QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Sdisable"),
                          QStringLiteral("-Scode128.enable")};
    for (const QString& picture : QDir(folder).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
        arguments << QDir(folder).filePath(picture);
    const QStringList codes = run(QStringLiteral("zbarimg"), arguments).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return codes;
}

QImage pageImage(const TPieceLabels& labels, const TLabelGeometry& geometry, int page, double pxPerMm) {
    const QSizeF size = geometry.page() * pxPerMm;
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    LabelRenderer::paint(painter, QRectF(QPointF(0, 0), size), labels, geometry, page);
    return image;
}

bool hasInk(const QImage& image, const QRectF& rect) {
    const QRect area = rect.toAlignedRect().intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

} // namespace

class TestLabels : public QObject {
    Q_OBJECT
private slots:
    void everyPieceOfTheListsHasOneLabel_data();
    void everyPieceOfTheListsHasOneLabel();
    void profileLabelsComeInTheCuttingPlansOrder();
    void pieceCodesNameOrderPlaceAndNumber();
    void everyBarcodeReadsBackOnceFromThePdf_data();
    void everyBarcodeReadsBackOnceFromThePdf();
    void startPositionLeavesTheUsedPlacesEmpty();
    void codeTooLongForItsLabelIsRefused();
    void tooManyPiecesAreRefused();
    void sheetSettingsAreCheckedAndKept_data();
    void sheetSettingsAreCheckedAndKept();
    void commandComputesTheSheetAndChecksTheFit();
};

void TestLabels::everyPieceOfTheListsHasOneLabel_data() {
    QTest::addColumn<QString>("cabinets");
    QTest::newRow("one wardrobe") << QStringLiteral("1");
    QTest::newRow("three wardrobes") << QStringLiteral("3");
}

void TestLabels::everyPieceOfTheListsHasOneLabel() {
    QFETCH(QString, cabinets);
    const TComputed c = compute(exampleOrder(qPrintable(cabinets)));

    std::map<QString, qint64> wanted; // line of a list → count
    for (qsizetype i = 0; i < c.sheet.profilname.size(); ++i)
        wanted[c.sheet.profilname[i]] += NumberText::toInt(c.sheet.profiladet[i]);
    for (qsizetype i = 0; i < c.sheet.panelLines.size(); ++i)
        wanted[QStringLiteral("Panel ") + c.sheet.panelLines[i]] += NumberText::toInt(c.sheet.panelCounts[i]);
    for (qsizetype i = 0; i < c.sheet.glassLines.size(); ++i)
        wanted[QStringLiteral("Cam ") + c.sheet.glassLines[i]] += NumberText::toInt(c.sheet.glassCounts[i]);

    std::map<QString, qint64> labelled;
    QStringList panelGlassOrder;
    for (const TPieceLabel& label : c.labels.labels) {
        if (label.kind == TPieceLabel::Profile) {
            // "245,3 cm" and "Üst Ray" make the cut list's "245,3 cm Üst Ray".
            ++labelled[label.size + QLatin1Char(' ') + label.place];
            QCOMPARE(label.material, QStringLiteral("Bronz · Slim"));
            continue;
        }
        const QString line = label.kindText() + QLatin1Char(' ') + label.line;
        ++labelled[line];
        if (panelGlassOrder.isEmpty() || panelGlassOrder.last() != line) panelGlassOrder << line;
        QVERIFY2(label.line.endsWith(QStringLiteral("  -  ") + label.material), qPrintable(label.line));
        QVERIFY2(label.line.startsWith(QString(label.size)
                                           .remove(QStringLiteral(" cm"))
                                           .replace(QStringLiteral(" × "), QStringLiteral("  X  "))),
                 qPrintable(label.line));
    }
    QCOMPARE(labelled, wanted);
    // Panels and glass in the order of their lists.
    QStringList listOrder;
    for (const QString& line : c.sheet.panelLines)
        listOrder << QStringLiteral("Panel ") + line;
    for (const QString& line : c.sheet.glassLines)
        listOrder << QStringLiteral("Cam ") + line;
    QCOMPARE(panelGlassOrder, listOrder);

    const int total = static_cast<int>(c.labels.labels.size());
    for (int i = 0; i < total; ++i) {
        QCOMPARE(c.labels.labels[i].number, i + 1);
        QCOMPARE(c.labels.labels[i].countText(), QStringLiteral("%1/%2").arg(i + 1).arg(total));
    }
}

void TestLabels::profileLabelsComeInTheCuttingPlansOrder() {
    const TComputed c = compute(exampleOrder("2"));
    QStringList sawOrder;
    for (const TCuttingKind& kind : c.plan.kinds)
        for (const TCuttingPattern& pattern : kind.patterns)
            for (int bar = 0; bar < pattern.bars; ++bar)
                for (const QString& piece : pattern.pieces)
                    sawOrder << piece + QStringLiteral(" cm ") + kind.name;
    QStringList labelOrder;
    for (const TPieceLabel& label : c.labels.labels)
        if (label.kind == TPieceLabel::Profile) labelOrder << label.size + QLatin1Char(' ') + label.place;
    QCOMPARE(labelOrder, sawOrder);

    // Without a plan the cut list's own order.
    TProjectFileContent content = exampleOrder("1");
    TProductionSheet sheet;
    TCostTable costs;
    ComputeProductionSheet(content.project, content.group, sheet, &costs);
    const TPieceLabels unplanned = BuildPieceLabels(content.project, sheet, nullptr, k_order);
    QCOMPARE(unplanned.labels.front().size + QLatin1Char(' ') + unplanned.labels.front().place,
             sheet.profilname.front());
}

void TestLabels::pieceCodesNameOrderPlaceAndNumber() {
    const TComputed saved = compute(exampleOrder("1"));
    QSet<QString> codes;
    const QRegularExpression shape(
        QStringLiteral("^S123-((UR|AR|YP|UP|AP|YO|DO)|K[1-6]-B[1-6](\\.[1-3])?-[PC])-\\d{2}$"));
    for (const TPieceLabel& label : saved.labels.labels) {
        QVERIFY2(shape.match(label.code).hasMatch(), qPrintable(label.code));
        QVERIFY(label.code.endsWith(QStringLiteral("-%1").arg(label.number, 2, 10, QLatin1Char('0'))));
        codes.insert(label.code);
    }
    QCOMPARE(codes.size(), static_cast<qsizetype>(saved.labels.labels.size()));
    QVERIFY(codes.contains(QStringLiteral("S123-UR-01")));
    // Part 1 of the split glass division 2 of door 1.
    bool splitFound = false;
    for (const TPieceLabel& label : saved.labels.labels)
        if (label.code.startsWith(QStringLiteral("S123-K1-B2.1-C-"))) {
            splitFound = true;
            QCOMPARE(label.place, QStringLiteral("Kapak 1 · Bölme 2.1"));
        }
    QVERIFY(splitFound);

    // An order not saved yet has no number to print; its codes are still unique in it.
    const TComputed draft = compute(exampleOrder("1"), TLabelOrder{QString(), QStringLiteral("Taslak"), QString()});
    QCOMPARE(draft.labels.labels.front().code, QStringLiteral("UR-01"));
    // A hundred labels and more number with three digits.
    const TComputed many = compute(exampleOrder("8"));
    QVERIFY(many.labels.labels.size() >= 100);
    QVERIFY(many.labels.labels.front().code.endsWith(QStringLiteral("-001")));
}

void TestLabels::everyBarcodeReadsBackOnceFromThePdf_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("cabinets");
    QTest::addColumn<int>("pages");
    QTest::newRow("A4 3 x 8") << int(TLabelSheetSettings::Sheet3x8) << QStringLiteral("2") << 2;
    QTest::newRow("A4 3 x 7") << int(TLabelSheetSettings::Sheet3x7) << QStringLiteral("1") << 1;
    QTest::newRow("A4 2 x 8") << int(TLabelSheetSettings::Sheet2x8) << QStringLiteral("1") << 2;
    QTest::newRow("roll") << int(TLabelSheetSettings::Roll) << QStringLiteral("1") << 18;
}

void TestLabels::everyBarcodeReadsBackOnceFromThePdf() {
    QFETCH(int, format);
    QFETCH(QString, cabinets);
    QFETCH(int, pages);
    const TComputed c = compute(exampleOrder(qPrintable(cabinets)));
    const TLabelGeometry geometry = sheetOf(format).geometry();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    LabelRenderer::writePdf(pdf, c.labels, geometry);
    QCOMPARE(LabelRenderer::pageCount(c.labels, geometry), pages);

    QStringList expected;
    for (const TPieceLabel& label : c.labels.labels)
        expected << label.code;
    QStringList read = barcodesOf(pdf, dir.path());
    expected.sort();
    read.sort();
    QCOMPARE(read, expected);

    // The texts of every label, as the PDF carries them.
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    for (const TPieceLabel& label : c.labels.labels) {
        QVERIFY2(text.contains(label.code), qPrintable(label.code));
        QVERIFY2(text.contains(label.countText()), qPrintable(label.countText()));
        QVERIFY2(text.contains(label.size), qPrintable(label.size));
    }
    QVERIFY(text.contains(QStringLiteral("Sipariş 123")));
    QVERIFY(text.contains(QStringLiteral("Aydın Mutfak")));
    QVERIFY(text.contains(QStringLiteral("Yılmaz Mobilya")));
    QVERIFY(text.contains(QStringLiteral("Kapak 1 · Bölme 2.1 · Cam")));
}

void TestLabels::startPositionLeavesTheUsedPlacesEmpty() {
    const TComputed c = compute(exampleOrder("2"));
    const int onSecond = static_cast<int>(c.labels.labels.size()) - 17;
    TLabelSheetSettings settings = sheetOf(TLabelSheetSettings::Sheet3x8);
    settings.setText(TLabelSheetSettings::start, QStringLiteral("8"));
    const TLabelGeometry geometry = settings.geometry();
    QCOMPARE(geometry.start, 7);
    // 17 places are left on the first sheet, the rest go on the second.
    QCOMPARE(LabelRenderer::pageCount(c.labels, geometry), 2);
    const double pxPerMm = 4;
    const QImage first = pageImage(c.labels, geometry, 0, pxPerMm);
    for (int slot = 0; slot < 24; ++slot) {
        const QRectF place = geometry.labelRect(slot);
        const QRectF rect(place.topLeft() * pxPerMm, place.size() * pxPerMm);
        QCOMPARE(hasInk(first, rect), slot >= 7);
    }
    const QImage second = pageImage(c.labels, geometry, 1, pxPerMm);
    for (int slot = 0; slot < 24; ++slot) {
        const QRectF place = geometry.labelRect(slot);
        QVERIFY2(hasInk(second, QRectF(place.topLeft() * pxPerMm, place.size() * pxPerMm)) == (slot < onSecond),
                 qPrintable(QString::number(slot)));
    }
    // A roll has no used places.
    TLabelSheetSettings roll = sheetOf(TLabelSheetSettings::Roll);
    roll.setText(TLabelSheetSettings::start, QStringLiteral("8"));
    QCOMPARE(LabelRenderer::pageCount(c.labels, roll.geometry()), static_cast<int>(c.labels.labels.size()));
}

void TestLabels::codeTooLongForItsLabelIsRefused() {
    const TComputed c = compute(exampleOrder("1"));
    // Five 40 mm labels a row: the codes need more than 40 mm at the narrowest readable bar.
    const TLabelGeometry narrow = customSheet("5", "8", "40", "37").geometry();
    const QString message = refusalOf([&] { LabelRenderer::checkFit(c.labels, narrow); });
    QVERIFY2(message.startsWith(QStringLiteral("S123-UR-01 parça kodu 40 mm enindeki etikete okunur bir barkodla "
                                               "sığmıyor: en az ")),
             qPrintable(message));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    QVERIFY(!refusalOf([&] { LabelRenderer::writePdf(pdf, c.labels, narrow); }).isEmpty());
    QVERIFY(!QFile::exists(pdf));
    // A label a little wider holds every code of the order, the longest a split division's.
    QCOMPARE(refusalOf([&] { LabelRenderer::checkFit(c.labels, customSheet("3", "8", "64", "37").geometry()); }),
             QString());
    // A label too low for readable bars.
    const QString low =
        refusalOf([&] { LabelRenderer::checkFit(c.labels, customSheet("3", "8", "70", "20").geometry()); });
    QVERIFY2(low.startsWith(QStringLiteral("20 mm boyundaki etikete okunur bir barkod sığmıyor")), qPrintable(low));
}

void TestLabels::tooManyPiecesAreRefused() {
    TProjectFileContent content = exampleOrder("1000");
    TProductionSheet sheet;
    TCostTable costs;
    ComputeProductionSheet(content.project, content.group, sheet, &costs);
    QCOMPARE(refusalOf([&] { BuildPieceLabels(content.project, sheet, nullptr, k_order); }),
             QStringLiteral("Bu siparişte 18000 parça var; etiketler bir seferde en çok 10000 parça için basılır."));
}

void TestLabels::sheetSettingsAreCheckedAndKept_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << QStringLiteral("7O") << int(TLabelSheetSettings::labelWidth)
                                  << QStringLiteral("'7O' is not a valid floating point value");
    QTest::newRow("wider than A4") << QStringLiteral("71") << int(TLabelSheetSettings::labelWidth)
                                   << QStringLiteral("3 × 8 etiket A4 sayfaya sığmıyor: 213 × 296,5 mm yer gerekir, "
                                                     "sayfa 210 × 297 mm.");
    QTest::newRow("start beyond the sheet") << QStringLiteral("25") << int(TLabelSheetSettings::start)
                                            << QStringLiteral("'25' is not a valid integer value");
    QTest::newRow("too small") << QStringLiteral("10") << int(TLabelSheetSettings::labelHeight)
                               << QStringLiteral("Etiket 70 × 10 mm: eni ve boyu 15 ile 300 mm arasında olmalı.");
}

void TestLabels::sheetSettingsAreCheckedAndKept() {
    QFETCH(QString, value);
    QFETCH(int, field);
    QFETCH(QString, message);
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    TLabelSheetSettings loaded;
    LoadLabelSheetSettings(*store, loaded);
    QCOMPARE(loaded.format, int(TLabelSheetSettings::Sheet3x8));
    QCOMPARE(loaded.geometry().perPage(), 24);

    TLabelSheetSettings custom = customSheet("3", "8", "70", "37");
    custom.setText(TLabelSheetSettings::marginTop, QStringLiteral("0,5"));
    custom.setText(field, value);
    QString error;
    try {
        SaveLabelSheetSettings(*store, custom);
    } catch (const DoravelError& e) {
        error = e.message();
    }
    QCOMPARE(error, message);
    LoadLabelSheetSettings(*store, loaded);
    QCOMPARE(loaded.format, int(TLabelSheetSettings::Sheet3x8)); // nothing written

    custom.setText(field, TLabelSheetSettings::defaultText(field));
    custom.setText(TLabelSheetSettings::gapX, QStringLiteral("0"));
    custom.setText(TLabelSheetSettings::labelWidth, QStringLiteral("66"));
    custom.setText(TLabelSheetSettings::gapX, QStringLiteral("3"));
    custom.setText(TLabelSheetSettings::start, QStringLiteral("4"));
    SaveLabelSheetSettings(*store, custom);
    LoadLabelSheetSettings(*store, loaded);
    QCOMPARE(loaded.format, int(TLabelSheetSettings::CustomSheet));
    const TLabelGeometry g = loaded.geometry();
    QCOMPARE(g.width, 66.0);
    QCOMPARE(g.start, 3);
    QCOMPARE(g.labelRect(4), QRectF(69, 37.5, 66, 37));
    QCOMPARE(QSettings(folder.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Etiket/format")).toString(),
             QStringLiteral("custom"));
}

void TestLabels::commandComputesTheSheetAndChecksTheFit() {
    TProjectFileContent content = exampleOrder("1");
    TProductionSheet sheet;
    TCostTable costs;
    const TPieceLabels labels = LabelsCommand(content.project, content.group, TCuttingSettings(), k_order,
                                              sheetOf(TLabelSheetSettings::Sheet3x8).geometry(), sheet, costs);
    QCOMPARE(labels.labels.size(), std::size_t(18));
    QVERIFY(!sheet.profilname.isEmpty());
    // Cutting settings that make no plan leave the labels in the cut list's order.
    TCuttingSettings broken;
    broken.setText(TCuttingSettings::kerf, QStringLiteral("x"));
    const TPieceLabels unplanned = LabelsCommand(content.project, content.group, broken, k_order,
                                                 sheetOf(TLabelSheetSettings::Sheet3x8).geometry(), sheet, costs);
    QCOMPARE(unplanned.labels.size(), std::size_t(18));
    QVERIFY(!refusalOf([&] {
                 LabelsCommand(content.project, content.group, TCuttingSettings(), k_order,
                               customSheet("5", "8", "40", "37").geometry(), sheet, costs);
             }).isEmpty());
    // The first project of a start has no sizes: the print preview's check stops it.
    TProject empty;
    QCOMPARE(refusalOf([&] {
                 LabelsCommand(empty, content.group, TCuttingSettings(), k_order,
                               sheetOf(TLabelSheetSettings::Sheet3x8).geometry(), sheet, costs);
             }),
             QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !"));
}

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
