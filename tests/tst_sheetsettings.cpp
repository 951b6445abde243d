#include "model/Errors.h"
#include "records/CuttingFile.h"
#include "settings/ProfileStore.h"
#include "settings/SheetSettings.h"
#include "support/TestSupport.h"

#include <QSettings>
#include <QtTest>

class TestSheetSettings : public QObject {
    Q_OBJECT
private slots:
    void defaultsSuitPanelsAndGlass();
    void stockTextIsRead_data();
    void stockTextIsRead();
    void wrongStockTextIsRefused_data();
    void wrongStockTextIsRefused();
    void materialRowOverridesItsKindWhereFilled();
    void settingsRoundTripThroughTheStore();
    void wrongSettingsAreNotSaved_data();
    void wrongSettingsAreNotSaved();
    void projectFileMemberSetsTheValues();
    void projectFileMemberOfWrongTypeIsNamed();
};

void TestSheetSettings::defaultsSuitPanelsAndGlass() {
    const TSheetSettings settings;
    QCOMPARE(settings.stockText(TSheetSettings::Panel, QStringLiteral("Ceviz")), QStringLiteral("280 x 207"));
    QCOMPARE(settings.stockText(TSheetSettings::Glass, QStringLiteral("Ayna")), QStringLiteral("321 x 225"));
    QCOMPARE(settings.text(TSheetSettings::Panel, TSheetSettings::kerf), QStringLiteral("0,4"));
    QCOMPARE(settings.text(TSheetSettings::Glass, TSheetSettings::kerf), QStringLiteral("0"));
    QVERIFY(!settings.mayRotate(TSheetSettings::Panel, QStringLiteral("Ceviz"))); // a decor's grain
    QVERIFY(settings.mayRotate(TSheetSettings::Glass, QStringLiteral("Ayna")));
    QCOMPARE(settings.text(TSheetSettings::Panel, TSheetSettings::stages), QStringLiteral("3"));
    settings.check();
    QCOMPARE(TSheetSettings::valueName(TSheetSettings::Glass, TSheetSettings::minRemnantWidth),
             QStringLiteral("glassMinRemnantWidth"));
}

void TestSheetSettings::stockTextIsRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("expected"); // width, height, count, cost of each size
    QTest::newRow("one size") << QStringLiteral("280 x 207") << QList<double>{280, 207, -1, 1};
    QTest::newRow("capital X, decimals") << QStringLiteral("280,5X207") << QList<double>{280.5, 207, -1, 1};
    QTest::newRow("count and cost") << QStringLiteral("280 x 207; 366 x 183 / 4 / 1,3")
                                    << QList<double>{280, 207, -1, 1, 366, 183, 4, 1.3};
    QTest::newRow("cost without count") << QStringLiteral("321 x 225 / / 2") << QList<double>{321, 225, -1, 2};
    QTest::newRow("trailing separator") << QStringLiteral("280 x 207;") << QList<double>{280, 207, -1, 1};
}

void TestSheetSettings::stockTextIsRead() {
    QFETCH(QString, text);
    QFETCH(QList<double>, expected);
    const std::vector<TStockSize> sizes = SheetStockText::parse(text);
    QCOMPARE(static_cast<qsizetype>(sizes.size() * 4), expected.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        QCOMPARE(sizes[i].width, expected[4 * i]);
        QCOMPARE(sizes[i].height, expected[4 * i + 1]);
        QCOMPARE(sizes[i].count, static_cast<int>(expected[4 * i + 2]));
        QCOMPARE(sizes[i].cost, expected[4 * i + 3]);
    }
}

void TestSheetSettings::wrongStockTextIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one side") << QStringLiteral("280");
    QTest::newRow("letters") << QStringLiteral("28O x 207");
    QTest::newRow("zero") << QStringLiteral("0 x 207");
    QTest::newRow("negative cost") << QStringLiteral("280 x 207 / 2 / -1");
    QTest::newRow("broken count") << QStringLiteral("280 x 207 / 2,5");
    QTest::newRow("too many fields") << QStringLiteral("280 x 207 / 2 / 1 / 3");
}

void TestSheetSettings::wrongStockTextIsRefused() {
    QFETCH(QString, text);
    try {
        SheetStockText::parse(text);
        QFAIL("accepted");
    } catch (const DoravelError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("levha ölçüsü olarak okunamadı")),
                 qPrintable(error.message()));
    }
}

void TestSheetSettings::materialRowOverridesItsKindWhereFilled() {
    TSheetSettings settings;
    TSheetMaterialSettings& beyaz = settings.materialRow(QStringLiteral("Beyaz"));
    beyaz.stock[TSheetSettings::Panel] = QStringLiteral("366 x 183");
    beyaz.rotate[TSheetSettings::Panel] = QStringLiteral("1");
    QCOMPARE(settings.stockText(TSheetSettings::Panel, QStringLiteral("Beyaz")), QStringLiteral("366 x 183"));
    QVERIFY(settings.mayRotate(TSheetSettings::Panel, QStringLiteral("Beyaz")));
    // the glass of the same name and other panels keep their kind's
    QCOMPARE(settings.stockText(TSheetSettings::Glass, QStringLiteral("Beyaz")), QStringLiteral("321 x 225"));
    QCOMPARE(settings.stockText(TSheetSettings::Panel, QStringLiteral("Ceviz")), QStringLiteral("280 x 207"));
    QVERIFY(!settings.mayRotate(TSheetSettings::Panel, QStringLiteral("Ceviz")));
    QCOMPARE(&settings.materialRow(QStringLiteral("Beyaz")), &beyaz); // one row per name
}

void TestSheetSettings::settingsRoundTripThroughTheStore() {
    TTestFolder folder;
    {
        auto store = TProfileStore::openFile(folder.settingsFile());
        TSheetSettings settings;
        settings.setText(TSheetSettings::Glass, TSheetSettings::kerf, QStringLiteral("0,2"));
        settings.materialRow(QStringLiteral("Meşe / Doğal")).stock[TSheetSettings::Panel] =
            QStringLiteral("280 x 207 / 3; 366 x 183");
        SaveSheetSettings(*store, settings);
    }
    QCOMPARE(QSettings(folder.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Levha/glassKerf")).toString(),
             QStringLiteral("0,2"));
    auto store = TProfileStore::openFile(folder.settingsFile());
    TSheetSettings loaded;
    LoadSheetSettings(*store, loaded);
    QCOMPARE(loaded.text(TSheetSettings::Glass, TSheetSettings::kerf), QStringLiteral("0,2"));
    QCOMPARE(loaded.text(TSheetSettings::Panel, TSheetSettings::kerf), QStringLiteral("0,4"));
    QCOMPARE(loaded.stockText(TSheetSettings::Panel, QStringLiteral("Meşe / Doğal")),
             QStringLiteral("280 x 207 / 3; 366 x 183"));
}

void TestSheetSettings::wrongSettingsAreNotSaved_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("kerf not a number") << int(TSheetSettings::Panel) << int(TSheetSettings::kerf)
                                       << QStringLiteral("O,4")
                                       << QStringLiteral("'O,4' is not a valid floating point value");
    QTest::newRow("negative trim") << int(TSheetSettings::Glass) << int(TSheetSettings::trim) << QStringLiteral("-1")
                                   << QStringLiteral("Cam: Kenar Kesme Payı (cm) eksi olamaz.");
    QTest::newRow("stages") << int(TSheetSettings::Panel) << int(TSheetSettings::stages) << QStringLiteral("4")
                            << QStringLiteral("Panel: kesim aşaması 2, 3 ya da sınırsız için 0 olmalı ('4').");
    QTest::newRow("trims eat the sheet") << int(TSheetSettings::Panel) << int(TSheetSettings::trim)
                                         << QStringLiteral("104")
                                         << QStringLiteral("Panel levhası 280 x 207: kenar kesme payları düşülünce "
                                                           "levhadan bir şey kalmıyor.");
}

void TestSheetSettings::wrongSettingsAreNotSaved() {
    QFETCH(int, kind);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    TSheetSettings settings;
    settings.setText(kind, value, text);
    try {
        SaveSheetSettings(*store, settings);
        QFAIL("saved");
    } catch (const DoravelError& error) {
        QCOMPARE(error.message(), message);
    }
    QVERIFY(store->readSetting(QStringLiteral("Levha/") + TSheetSettings::valueName(kind, value)).isEmpty());
}

void TestSheetSettings::projectFileMemberSetsTheValues() {
    const QByteArray json = R"({"cutting": {"kerf": "0,3", "panelStock": "366 x 183", "panelRotate": true,
        "glassKerf": "0,1", "sheetMaterials": [{"name": "Ceviz", "panelStock": "280 x 207 / 2", "panelRotate": false}]}})";
    const TSheetSettings settings = CuttingFile::sheetSettingsFromJson(json);
    QCOMPARE(settings.stockText(TSheetSettings::Panel, QStringLiteral("Beyaz")), QStringLiteral("366 x 183"));
    QVERIFY(settings.mayRotate(TSheetSettings::Panel, QStringLiteral("Beyaz")));
    QCOMPARE(settings.stockText(TSheetSettings::Panel, QStringLiteral("Ceviz")), QStringLiteral("280 x 207 / 2"));
    QVERIFY(!settings.mayRotate(TSheetSettings::Panel, QStringLiteral("Ceviz")));
    QCOMPARE(settings.text(TSheetSettings::Glass, TSheetSettings::kerf), QStringLiteral("0,1"));
    // the bar settings' kerf is the bars' own
    QCOMPARE(settings.text(TSheetSettings::Panel, TSheetSettings::kerf), QStringLiteral("0,4"));
    QCOMPARE(CuttingFile::fromJson(json).text(TCuttingSettings::kerf), QStringLiteral("0,3"));
    // no member: the defaults
    QCOMPARE(CuttingFile::sheetSettingsFromJson("{}").stockText(TSheetSettings::Glass, QString()),
             QStringLiteral("321 x 225"));
}

void TestSheetSettings::projectFileMemberOfWrongTypeIsNamed() {
    auto messageOf = [](const QByteArray& json) {
        try {
            CuttingFile::sheetSettingsFromJson(json);
        } catch (const DoravelError& error) {
            return error.message();
        }
        return QString();
    };
    QCOMPARE(messageOf(R"({"cutting": {"panelKerf": 0.4}})"),
             QStringLiteral("Proje dosyası okunamadı: 'cutting.panelKerf' bir metin olmalı."));
    QCOMPARE(messageOf(R"({"cutting": {"sheetMaterials": {}}})"),
             QStringLiteral("Proje dosyası okunamadı: 'cutting.sheetMaterials' bir dizi olmalı."));
    QCOMPARE(messageOf(R"({"cutting": {"sheetMaterials": [{"name": "Ayna", "glassRotate": 1}]}})"),
             QStringLiteral("Proje dosyası okunamadı: 'cutting.sheetMaterials[0].glassRotate' true, false ya da bir "
                            "metin olmalı."));
}

QTEST_GUILESS_MAIN(TestSheetSettings)
#include "tst_sheetsettings.moc"
