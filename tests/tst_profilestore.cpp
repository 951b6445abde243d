#include "model/Clock.h"
#include "model/Errors.h"
#include "model/Project.h"
#include "settings/ProfileGroupChoice.h"
#include "settings/ProfileStore.h"
#include "support/TestSupport.h"

#include <QSettings>
#include <QtTest>

class TestProfileStore : public QObject {
    Q_OBJECT
private slots:
    void firstStartWritesDefaultsIntoP1Only();
    void presentTopLeavesP1Untouched();
    void emptyTopRewritesTheDefaults();
    void startupLoadLeavesFirmEmptyAndNamedLoadReadsIt();
    void groupNamesSelectKeys_data();
    void groupNamesSelectKeys();
    void neverStoredGroupEmptiesTheEntriesAndSavingWritesThem();
    void valuesKeepTheirCommaThroughTheStore();
    void choosingAGroupNamesItAndReadsItsValues_data();
    void choosingAGroupNamesItAndReadsItsValues();
    void unwritableStoreStopsTheSaveWithAMessage();
    void damagedStoreIsKeptAsideAndStartsFromTheDefaults_data();
    void damagedStoreIsKeptAsideAndStartsFromTheDefaults();
    void soundStoreIsNotSetAside();
};

void TestProfileStore::firstStartWritesDefaultsIntoP1Only() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    EnsureDefaultProfileGroup(*store);
    TProfileGroup group;
    LoadStartupProfileGroup(*store, group);
    for (int value = 0; value < TProfileGroup::firma; ++value)
        QCOMPARE(group.text(value), TProfileGroup::defaultText(value));
    QCOMPARE(group.text(TProfileGroup::top), QStringLiteral("1,2"));
    QCOMPARE(group.text(TProfileGroup::firma), QString());
    QSettings raw(folder.settingsFile(), QSettings::IniFormat);
    QVERIFY(!raw.contains(QStringLiteral("P1/firma")));
    QCOMPARE(raw.childGroups(), QStringList{QStringLiteral("P1")});
}

void TestProfileStore::presentTopLeavesP1Untouched() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    store->write(1, "top", QStringLiteral("2"));
    store->write(1, "work", QStringLiteral("4"));
    EnsureDefaultProfileGroup(*store);
    QCOMPARE(store->read(1, "work"), QStringLiteral("4"));
    QCOMPARE(store->read(1, "side"), QString());
}

void TestProfileStore::emptyTopRewritesTheDefaults() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    store->write(1, "top", QString());
    store->write(1, "work", QStringLiteral("9"));
    EnsureDefaultProfileGroup(*store);
    QCOMPARE(store->read(1, "top"), QStringLiteral("1,2"));
    QCOMPARE(store->read(1, "work"), QStringLiteral("3,5"));
}

void TestProfileStore::startupLoadLeavesFirmEmptyAndNamedLoadReadsIt() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    EnsureDefaultProfileGroup(*store);
    store->write(1, "firma", QStringLiteral("Öz Cam Atölyesi"));
    TProfileGroup group;
    LoadStartupProfileGroup(*store, group);
    QCOMPARE(group.text(TProfileGroup::firma), QString());
    LoadProfileGroup(*store, QStringLiteral("Profil Grubu 1"), group);
    QCOMPARE(group.text(TProfileGroup::firma), QStringLiteral("Öz Cam Atölyesi"));
}

void TestProfileStore::groupNamesSelectKeys_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::newRow("1") << "Profil Grubu 1" << 1;
    QTest::newRow("5") << "Profil Grubu 5" << 5;
    QTest::newRow("6 selects P5") << "Profil Grubu 6" << 5;
    QTest::newRow("10 selects P5") << "Profil Grubu 10" << 5;
    QTest::newRow("11 selects nothing") << "Profil Grubu 11" << 0;
    QTest::newRow("other") << "Eloksal" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestProfileStore::groupNamesSelectKeys() {
    QFETCH(QString, name);
    QFETCH(int, key);
    QCOMPARE(ProfileGroupNames::keyNumber(name), key);
}

void TestProfileStore::neverStoredGroupEmptiesTheEntriesAndSavingWritesThem() {
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    EnsureDefaultProfileGroup(*store);
    TProfileGroup group = defaultGroup();
    LoadProfileGroup(*store, QStringLiteral("Profil Grubu 3"), group);
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        QCOMPARE(group.text(value), QString());

    group = groupWith({{TProfileGroup::top, "2,5"}, {TProfileGroup::firma, "Doğan Mobilya"}});
    SaveProfileGroup(*store, QStringLiteral("Profil Grubu 3"), group);
    auto reopened = TProfileStore::openFile(folder.settingsFile());
    TProfileGroup back;
    LoadProfileGroup(*reopened, QStringLiteral("Profil Grubu 3"), back);
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        QCOMPARE(back.text(value), group.text(value));
    // A name that selects no key writes nothing.
    SaveProfileGroup(*store, QStringLiteral("Eloksal"), group);
    QCOMPARE(QSettings(folder.settingsFile(), QSettings::IniFormat).childGroups().size(), 2);
}

void TestProfileStore::choosingAGroupNamesItAndReadsItsValues_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("top"); // the active top afterwards
    QTest::newRow("stored") << "Profil Grubu 2"
                            << "2,5";
    QTest::newRow("never stored") << "Profil Grubu 3"
                                  << "";
    QTest::newRow("no group") << "Eloksal"
                              << "9";
}

void TestProfileStore::choosingAGroupNamesItAndReadsItsValues() {
    QFETCH(QString, name);
    QFETCH(QString, top);
    TTestFolder folder;
    auto store = TProfileStore::openFile(folder.settingsFile());
    SaveProfileGroup(*store, QStringLiteral("Profil Grubu 2"), groupWith({{TProfileGroup::top, "2,5"}}));
    TProfileGroup active = groupWith({{TProfileGroup::top, "9"}});
    TProject project;
    ChooseProfileGroup(*store, name, active, project);
    QCOMPARE(project.profileGroupName, name);
    QCOMPARE(active.text(TProfileGroup::top), top);
}

void TestProfileStore::valuesKeepTheirCommaThroughTheStore() {
    TTestFolder folder;
    {
        auto store = TProfileStore::openFile(folder.settingsFile());
        store->write(2, "incover", QStringLiteral("0,3"));
        store->write(2, "name", QStringLiteral("a, b"));
    }
    auto store = TProfileStore::openFile(folder.settingsFile());
    QCOMPARE(store->read(2, "incover"), QStringLiteral("0,3"));
    QCOMPARE(store->read(2, "name"), QStringLiteral("a, b"));
    QCOMPARE(store->read(4, "top"), QString());
}

void TestProfileStore::unwritableStoreStopsTheSaveWithAMessage() {
    TTestFolder folder;
    // A store below a plain file can never be created, whatever the user's rights.
    const QString blocker = QDir(folder.path()).filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    auto store = TProfileStore::openFile(blocker + QStringLiteral("/settings.ini"));
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { SaveProfileGroup(*store, QStringLiteral("Profil Grubu 2"), defaultGroup()); }));
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.first().startsWith(QStringLiteral("Ayarlar kaydedilemedi")));
}

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray k_sound = "[P1]\ntop=\"1,5\"\nunder=\"3,5\"\nmhorw=\"0,365\"\n[P2]\ntop=2\nname=Bronz\n";

} // namespace

void TestProfileStore::damagedStoreIsKeptAsideAndStartsFromTheDefaults_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe[P1\x00zz=\x80\n\x7f", 15);
    QTest::newRow("stray [ inside P1") << QByteArray("[P1]\ntop=\"1,5\"\n[\nunder=\"3,5\"\n[P2]\ntop=2\n");
    QTest::newRow("unclosed quote") << QByteArray("[P1]\ntop=\"1,5\"\nmhorw=\"0,365\n[P2]\ntop=2\n");
}

// Never written over in place: the damaged file is kept under a new name, the store starts from the
// defaults, and the operator is told once which file is which.
void TestProfileStore::damagedStoreIsKeptAsideAndStartsFromTheDefaults() {
    QFETCH(QByteArray, bytes);
    Clock::setFixedToday(QDate(2026, 12, 11));
    const auto today = qScopeGuard([] { Clock::setFixedToday(QDate()); });
    TTestFolder folder;
    const QString path = folder.settingsFile();
    writeBytes(path, bytes);
    auto store = TProfileStore::openFile(path);
    TScriptedMessages messages;
    QVERIFY2(RunGuarded([&] { EnsureDefaultProfileGroup(*store); }), qPrintable(messages.shown.join(" | ")));
    const QString aside = path + QStringLiteral(".bozuk-2026-12-11");
    QCOMPARE(fileBytes(aside), bytes);
    QCOMPARE(messages.shown, QStringList{StoreTexts::damagedSetAside(path, aside)});
    QVERIFY(!messages.shown.first().contains(QStringLiteral("yazılamıyor")));

    TProfileGroup group;
    LoadStartupProfileGroup(*store, group);
    for (int value = 0; value < TProfileGroup::firma; ++value)
        QCOMPARE(group.text(value), TProfileGroup::defaultText(value));
    EnsureDefaultProfileGroup(*store);
    QCOMPARE(messages.shown.size(), 1);
    // the next start finds a sound store with every default
    auto next = TProfileStore::openFile(path);
    TProfileGroup again;
    LoadStartupProfileGroup(*next, again);
    QCOMPARE(again.text(TProfileGroup::mhorw), QStringLiteral("0,365"));
    QCOMPARE(again.text(TProfileGroup::name), QStringLiteral("Eloksal"));
    QCOMPARE(next->takeDamageNotice(), QString());
}

void TestProfileStore::soundStoreIsNotSetAside() {
    TTestFolder folder;
    writeBytes(folder.settingsFile(), k_sound);
    auto store = TProfileStore::openFile(folder.settingsFile());
    TScriptedMessages messages;
    EnsureDefaultProfileGroup(*store);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(store->read(1, "top"), QStringLiteral("1,5"));
    QCOMPARE(store->read(2, "name"), QStringLiteral("Bronz"));
    QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.bozuk-*")}, QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
