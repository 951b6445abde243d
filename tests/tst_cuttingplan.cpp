#include "model/Errors.h"
#include "production/CuttingPlan.h"
#include "production/ProductionSheet.h"
#include "settings/ProfileStore.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QSettings>
#include <QtTest>

namespace {

TProductionSheet sheetWith(std::initializer_list<std::pair<const char*, const char*>> lines) {
    TProductionSheet sheet;
    for (const auto& [line, count] : lines) {
        sheet.profilname << QString::fromUtf8(line);
        sheet.profiladet << QString::fromUtf8(count);
    }
    return sheet;
}

} // namespace

class TestCuttingPlan : public QObject {
    Q_OBJECT
private slots:
    void linesArePlannedByTheirKind();
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

void TestCuttingPlan::pieceLongerThanTheBarIsNamedAndTheRestPlanned() {
    TScriptedMessages messages;
    TCuttingSettings settings;
    settings.setText(TCuttingSettings::trim, QStringLiteral("1"));
    const TCuttingPlan plan =
        MakeCuttingPlan(sheetWith({{"612 cm Üst Ray", "2"}, {"250 cm Yan Profil", "4"}}), settings);
    const TCuttingKind& rail = plan.kinds[TCuttingSettings::topRail];
    QCOMPARE(rail.bars, 0);
    QCOMPARE(rail.problems, QStringList{QStringLiteral("612 cm Üst Ray çubuktan kesilemez: çubuk boyu 600 cm, "
                                                       "kullanılabilir boy 598 cm (2 adet plana alınmadı).")});
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

QTEST_GUILESS_MAIN(TestCuttingPlan)
#include "tst_cuttingplan.moc"
