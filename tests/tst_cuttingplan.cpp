#include "model/Errors.h"
#include "production/CuttingPlan.h"
#include "production/CuttingPlanRenderer.h"
#include "production/Fonts.h"
#include "production/ProductionSheet.h"
#include "settings/ProfileStore.h"
#include "support/PdfWords.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QSettings>
#include <QtTest>

#include <algorithm>

namespace {

TProductionSheet sheetWith(std::initializer_list<std::pair<const char*, const char*>> lines) {
    TProductionSheet sheet;
    for (const auto& [line, count] : lines) {
        sheet.profilname << QString::fromUtf8(line);
        sheet.profiladet << QString::fromUtf8(count);
    }
    return sheet;
}

// Four kinds cut from one bar each, and a fifth with `problems` pieces that fit no bar: the plan's
// first page filled down to where its totals table starts.
TCuttingPlan planFilledWith(int problems) {
    TCuttingPlan plan;
    plan.orderName = QStringLiteral("Dolap");
    for (int kind = 0; kind < 5; ++kind) {
        TCuttingKind& k = plan.kinds[kind];
        k.name = TCuttingSettings::kindName(kind);
        k.stockText = QStringLiteral("600");
        k.stock = k.usable = 600;
        if (kind == 4) break;
        TCuttingPattern pattern;
        pattern.pieces = {QStringLiteral("250"), QStringLiteral("250")};
        pattern.lengths = {250, 250};
        pattern.bars = 1;
        pattern.offcut = 99.2;
        pattern.kept = true;
        k.patterns = {pattern};
        k.bars = k.lowerBound = 1;
        k.pieces = 2;
        k.pieceLength = 500;
    }
    for (int i = 0; i < problems; ++i)
        plan.kinds[4].problems << QStringLiteral("%1 cm Yatay Orta Profil çubuktan kesilemez").arg(700 + i);
    return plan;
}

// The words that stand on a page of the PDF.
QList<TPdfWord> onPage(const QList<TPdfWord>& words, int page) {
    QList<TPdfWord> on;
    for (const TPdfWord& word : words)
        if (word.page == page) on << word;
    return on;
}

int pageOf(const QList<TPdfWord>& words, const QString& text) {
    for (const TPdfWord& word : words)
        if (word.text == text) return word.page;
    return -1;
}

} // namespace

class TestCuttingPlan : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutes(); }
    void linesArePlannedByTheirKind();
    void pieceLongerThanTheBarIsNamedAndTheRestPlanned_data();
    void pieceLongerThanTheBarIsNamedAndTheRestPlanned();
    void emptyKindNeedsNoBar();
    void offcutIsKeptFromTheShortestLengthWorthKeeping_data();
    void offcutIsKeptFromTheShortestLengthWorthKeeping();
    void totalsAddTheKinds();
    void settingsRoundTripThroughTheStore();
    void missingSettingsReadAsDefaults();
    void wrongSettingsStopThePlan_data();
    void wrongSettingsStopThePlan();
    void commandStopsWithThePrintPreviewsCheck();
    void jsonCarriesPatternsBoundAndProof();
    void longTextsStayBetweenThePagesMargins();
    void totalsTableKeepsItsHeadingWithItsFirstRows_data();
    void totalsTableKeepsItsHeadingWithItsFirstRows();

private:
    QTemporaryDir m_dir;
};

void TestCuttingPlan::linesArePlannedByTheirKind() {
    const TCuttingPlan plan = MakeCuttingPlan(sheetWith({{"240 cm Üst Ray", "1"},
                                                         {"250 cm Yan Profil", "8"},
                                                         {"117 cm Üst Profil", "2"},
                                                         {"117 cm Alt Profil", "2"},
                                                         {"117 cm Yatay Orta Profil", "0"},
                                                         {"242,7 cm Dikey Orta Profil", "2"}}),
                                              TCuttingSettings());
    const TCuttingKind& side = plan.kinds[TCuttingSettings::side];
    QCOMPARE(side.bars, 4);
    QCOMPARE(side.patterns.size(), std::size_t(1));
    QCOMPARE(side.patterns[0].bars, 4);
    QCOMPARE(side.patterns[0].pieces, (QStringList{QStringLiteral("250"), QStringLiteral("250")}));
    QCOMPARE(CuttingTexts::length(side.patterns[0].offcut), QStringLiteral("99,2"));
    QVERIFY(side.patterns[0].kept);
    QCOMPARE(plan.kinds[TCuttingSettings::topRail].bars, 1);
    QCOMPARE(plan.kinds[TCuttingSettings::top].bars, 1);
    QCOMPARE(plan.kinds[TCuttingSettings::horizontalMiddle].bars, 0);
    const TCuttingKind& middle = plan.kinds[TCuttingSettings::verticalMiddle];
    QCOMPARE(middle.patterns[0].pieces, (QStringList{QStringLiteral("242,7"), QStringLiteral("242,7")}));
    QCOMPARE(middle.pieceLength, 485.4);
}

void TestCuttingPlan::pieceLongerThanTheBarIsNamedAndTheRestPlanned_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a little too long") << "612 cm Üst Ray"
                                       << "612 cm Üst Ray çubuktan kesilemez: çubuk boyu 600 cm, "
                                          "kullanılabilir boy 598 cm (2 adet plana alınmadı).";
    // Too large for whole hundredths: still too long, and written as the program writes numbers.
    QTest::newRow("far beyond any bar") << "1e308 cm Üst Ray"
                                        << "1E308 cm Üst Ray çubuktan kesilemez: çubuk boyu 600 cm, "
                                           "kullanılabilir boy 598 cm (2 adet plana alınmadı).";
    QTest::newRow("largest number") << "1,79769313486231E308 cm Üst Ray"
                                    << "1,79769313486231E308 cm Üst Ray çubuktan kesilemez: çubuk boyu 600 cm, "
                                       "kullanılabilir boy 598 cm (2 adet plana alınmadı).";
    QTest::newRow("zero") << "0 cm Üst Ray"
                          << "0 cm Üst Ray kesilemez: boy sıfırdan büyük olmalı (2 adet plana alınmadı).";
    QTest::newRow("hugely negative") << "-1e308 cm Üst Ray"
                                     << "-1E308 cm Üst Ray kesilemez: boy sıfırdan büyük olmalı (2 adet plana "
                                        "alınmadı).";
}

void TestCuttingPlan::pieceLongerThanTheBarIsNamedAndTheRestPlanned() {
    QFETCH(QString, line);
    QFETCH(QString, problem);
    TScriptedMessages messages;
    TCuttingSettings settings;
    settings.setText(TCuttingSettings::trim, QStringLiteral("1"));
    const QByteArray lineBytes = line.toUtf8();
    const TCuttingPlan plan =
        MakeCuttingPlan(sheetWith({{lineBytes.constData(), "2"}, {"250 cm Yan Profil", "4"}}), settings);
    const TCuttingKind& rail = plan.kinds[TCuttingSettings::topRail];
    QCOMPARE(rail.bars, 0);
    QCOMPARE(rail.problems, QStringList{problem});
    QCOMPARE(plan.problems(), rail.problems);
    QCOMPARE(plan.kinds[TCuttingSettings::side].bars, 2);
}

void TestCuttingPlan::emptyKindNeedsNoBar() {
    const TCuttingPlan plan = MakeCuttingPlan(sheetWith({{"250 cm Yan Profil", "2"}}), TCuttingSettings());
    const TCuttingKind& top = plan.kinds[TCuttingSettings::top];
    QCOMPARE(top.bars, 0);
    QCOMPARE(top.lowerBound, 0);
    QVERIFY(top.proven);
    QVERIFY(top.patterns.empty());
    QCOMPARE(top.wastePercent(), 0.0);
    QCOMPARE(plan.bars(), 1);
}

void TestCuttingPlan::offcutIsKeptFromTheShortestLengthWorthKeeping_data() {
    QTest::addColumn<QString>("piece");
    QTest::addColumn<bool>("kept");
    QTest::newRow("exactly the shortest") << QStringLiteral("549,6") << true;
    QTest::newRow("a little shorter") << QStringLiteral("549,61") << false;
    QTest::newRow("no offcut at all") << QStringLiteral("600") << false;
}

void TestCuttingPlan::offcutIsKeptFromTheShortestLengthWorthKeeping() {
    QFETCH(QString, piece);
    QFETCH(bool, kept);
    TProductionSheet sheet;
    sheet.profilname << piece + QStringLiteral(" cm Alt Ray");
    sheet.profiladet << QStringLiteral("1");
    const TCuttingPlan plan = MakeCuttingPlan(sheet, TCuttingSettings());
    QCOMPARE(plan.kinds[TCuttingSettings::bottomRail].patterns.at(0).kept, kept);
}

void TestCuttingPlan::totalsAddTheKinds() {
    const TCuttingPlan plan =
        MakeCuttingPlan(sheetWith({{"300 cm Üst Ray", "1"}, {"590 cm Alt Ray", "1"}}), TCuttingSettings());
    QCOMPARE(plan.bars(), 2);
    QCOMPARE(plan.lowerBound(), 2);
    QVERIFY(plan.proven());
    QCOMPARE(plan.stockUsed(), 1200.0);
    // 300 cm of the first bar is kept (299,6 after the kerf); 10 cm of the second is waste.
    QCOMPARE(CuttingTexts::length(plan.keptOffcuts()), QStringLiteral("299,6"));
    QCOMPARE(CuttingTexts::percent(plan.wastePercent()), QStringLiteral("0,9"));
}

void TestCuttingPlan::settingsRoundTripThroughTheStore() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    TCuttingSettings settings;
    settings.setText(TCuttingSettings::side, QStringLiteral("650"));
    settings.setText(TCuttingSettings::kerf, QStringLiteral("0,3"));
    SaveCuttingSettings(*store, settings);
    QSettings raw(folder.settingsFile(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Kesim/kerf")).toString(), QStringLiteral("0,3"));
    TCuttingSettings loaded;
    loaded.setText(TCuttingSettings::side, QString());
    LoadCuttingSettings(*store, loaded);
    QCOMPARE(loaded.text(TCuttingSettings::side), QStringLiteral("650"));
    QCOMPARE(loaded.text(TCuttingSettings::kerf), QStringLiteral("0,3"));
    QCOMPARE(loaded.text(TCuttingSettings::top), QStringLiteral("600"));
}

void TestCuttingPlan::missingSettingsReadAsDefaults() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    TCuttingSettings loaded;
    loaded.setText(TCuttingSettings::minOffcut, QStringLiteral("7"));
    LoadCuttingSettings(*store, loaded);
    for (int value = 0; value < TCuttingSettings::ValueCount; ++value)
        QCOMPARE(loaded.text(value), TCuttingSettings::defaultText(value));
}

void TestCuttingPlan::wrongSettingsStopThePlan_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << int(TCuttingSettings::kerf) << QStringLiteral("0.4")
                                  << QStringLiteral("'0.4' is not a valid floating point value");
    QTest::newRow("negative kerf") << int(TCuttingSettings::kerf) << QStringLiteral("-1")
                                   << QStringLiteral("Testere payı, uç kesme payı ve saklanacak artık eksi olamaz.");
    QTest::newRow("trims eat the bar")
        << int(TCuttingSettings::trim) << QStringLiteral("300")
        << QStringLiteral("Üst Ray boyu 600 cm: uç kesme payları düşülünce kullanılacak boy kalmıyor.");
}

void TestCuttingPlan::wrongSettingsStopThePlan() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    TCuttingSettings settings;
    settings.setText(value, text);
    try {
        SaveCuttingSettings(*store, settings);
        QFAIL("saved");
    } catch (const DoravelError& error) {
        QCOMPARE(error.message(), message);
    }
    QVERIFY(!QSettings(folder.settingsFile(), QSettings::IniFormat).contains(QStringLiteral("Kesim/topRail")));
}

void TestCuttingPlan::commandStopsWithThePrintPreviewsCheck() {
    TScriptedMessages messages;
    TProject project;
    TProductionSheet sheet;
    TCostTable costTable;
    TCuttingPlan plan;
    QVERIFY(
        !RunGuarded([&] { CuttingPlanCommand(project, defaultGroup(), TCuttingSettings(), sheet, costTable, plan); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("Lütfen  Dolap Eni ve Boyunu Giriniz !")});
}

void TestCuttingPlan::jsonCarriesPatternsBoundAndProof() {
    const QJsonObject json =
        CuttingPlanToJson(MakeCuttingPlan(sheetWith({{"250 cm Yan Profil", "5"}}), TCuttingSettings()));
    const QJsonObject side = json[QStringLiteral("kinds")][QStringLiteral("side")].toObject();
    QCOMPARE(side[QStringLiteral("barsUsed")].toString(), QStringLiteral("3"));
    QCOMPARE(side[QStringLiteral("lowerBound")].toString(), QStringLiteral("3"));
    QCOMPARE(side[QStringLiteral("provenOptimal")].toBool(), true);
    const QJsonArray patterns = side[QStringLiteral("patterns")].toArray();
    QCOMPARE(patterns.size(), 2);
    QCOMPARE(patterns[0].toObject()[QStringLiteral("count")].toString(), QStringLiteral("2"));
    QCOMPARE(patterns[1].toObject()[QStringLiteral("pieces")].toArray(), QJsonArray{QStringLiteral("250")});
    QCOMPARE(patterns[1].toObject()[QStringLiteral("offcut")].toString(), QStringLiteral("349,6"));
    const QJsonArray offcuts = side[QStringLiteral("offcuts")].toArray();
    QCOMPARE(offcuts[0].toObject()[QStringLiteral("length")].toString(), QStringLiteral("349,6"));
    QCOMPARE(offcuts[1].toObject()[QStringLiteral("count")].toString(), QStringLiteral("2"));
    QCOMPARE(json[QStringLiteral("kinds")][QStringLiteral("top")][QStringLiteral("barsUsed")].toString(),
             QStringLiteral("0"));
    QCOMPARE(json[QStringLiteral("settings")][QStringLiteral("kerf")].toString(), QStringLiteral("0,4"));
}

QTEST_MAIN(TestCuttingPlan)
void TestCuttingPlan::longTextsStayBetweenThePagesMargins() {
    TScriptedMessages messages;
    // 60 short pieces on a bar give a "Kesilecek" line far wider than the page; a name of 200 letters.
    TCuttingPlan plan =
        MakeCuttingPlan(sheetWith({{"9,67 cm Yan Profil", "60"}, {"1e308 cm Üst Ray", "2"}}), TCuttingSettings());
    plan.orderName = QStringLiteral("Yatak Odası Dolabı ") + QString(180, QLatin1Char('X'));
    const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
    CuttingPlanRenderer::writePdf(pdf, plan);
    const QList<TPdfWord> words = readPdfWords(pdf);
    QVERIFY(!words.isEmpty());
    // Between the plan's 10 mm side margins, and 5 mm from the top and the foot.
    const QRectF printable = QRectF(QPointF(37, 18.9), QPointF(757, 1123 - 18.9));
    for (const TPdfWord& word : words)
        QVERIFY2(printable.contains(word.box), qPrintable(word.text));
    // The title is shortened with "…"; every piece of the long line is there, wrapped.
    QVERIFY(std::any_of(words.cbegin(), words.cend(),
                        [](const TPdfWord& word) { return word.text.endsWith(QStringLiteral("…")); }));
    const TCuttingKind& side = plan.kinds[TCuttingSettings::side];
    int pieces = 0;
    for (const TCuttingPattern& pattern : side.patterns)
        pieces += static_cast<int>(pattern.pieces.size()) - 1;
    QCOMPARE(static_cast<int>(std::count_if(words.cbegin(), words.cend(),
                                            [](const TPdfWord& word) { return word.text == QStringLiteral("+"); })),
             pieces);
}

void TestCuttingPlan::totalsTableKeepsItsHeadingWithItsFirstRows_data() {
    QTest::addColumn<int>("problems");
    QTest::addColumn<bool>("split");
    // Room at the foot for the heading and one row only: the table starts on the next page, whole.
    QTest::newRow("moved whole") << 10 << false;
    // Room for the heading, the header and three rows: the rest goes on under a repeated header.
    QTest::newRow("goes on under its header") << 8 << true;
}

void TestCuttingPlan::totalsTableKeepsItsHeadingWithItsFirstRows() {
    QFETCH(int, problems);
    QFETCH(bool, split);
    const TCuttingPlan plan = planFilledWith(problems);
    const QString pdf = m_dir.filePath(QStringLiteral("totals.pdf"));
    CuttingPlanRenderer::writePdf(pdf, plan);
    const QList<TPdfWord> words = readPdfWords(pdf);
    const int titlePage = pageOf(words, QStringLiteral("Sipariş"));
    const int sumPage = pageOf(words, QStringLiteral("Toplam"));
    QVERIFY(titlePage >= 0);
    QCOMPARE(sumPage, split ? titlePage + 1 : titlePage);
    // Every page of the table shows its header, and under it the rows it carries.
    for (int page = titlePage; page <= sumPage; ++page) {
        const QList<TPdfWord> on = onPage(words, page);
        const auto header = std::find_if(on.cbegin(), on.cend(),
                                         [](const TPdfWord& word) { return word.text == QStringLiteral("Fire"); });
        QVERIFY2(header != on.cend(), qPrintable(QStringLiteral("page %1").arg(page)));
        const int rows = static_cast<int>(std::count_if(on.cbegin(), on.cend(), [&](const TPdfWord& word) {
            return word.text == QStringLiteral("600") && word.box.top() > header->box.bottom();
        }));
        QVERIFY(rows >= (page == titlePage ? 3 : 1));
    }
}

#include "tst_cuttingplan.moc"
