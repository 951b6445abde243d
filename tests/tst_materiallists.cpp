#include "model/Errors.h"
#include "settings/MaterialLists.h"
#include "settings/TextListFile.h"
#include "support/FullDisk.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestMaterialLists : public QObject {
    Q_OBJECT
private slots:
    void turkishLettersRoundTripInWindows1254();
    void everyLineIsAnEntry_data();
    void everyLineIsAnEntry();
    void missingListFileKeepsTheList();
    void savingRewritesTheSameContent();
    void unwritableListStopsTheSaveAfterTheFilesBeforeIt();
    void addedEntryIsAskedAndRemovalNeedsARow();
    void pricesLoadSevenLines();
    void missingPriceFileNamesTheFile();
    void shortPriceFileStopsAtTheFirstMissingLine();
    void fullDiskKeepsTheOldFileAndGivesTheSystemsReason();
    void listsNeverReadAreNotWrittenBack();
    void pastedLineBreaksStayOneEntry();
    void priceWithALineBreakWritesOneLine();
};

void TestMaterialLists::turkishLettersRoundTripInWindows1254() {
    TTestFolder folder;
    const QString entry = QStringLiteral("şğıİçöü ŞĞÇÖÜ");
    folder.writeDbFile(QStringLiteral("3.txt"), {entry, QString()});
    QFile file(folder.dbFile(QStringLiteral("3.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xfe\xf0\xfd\xdd\xe7\xf6\xfc \xde\xd0\xc7\xd6\xdc\r\n\r\n"));
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("3.txt"))), (QStringList{entry, QString()}));
}

void TestMaterialLists::everyLineIsAnEntry_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("no end after last") << QByteArray("a\r\nb") << QStringList{"a", "b"};
}

void TestMaterialLists::everyLineIsAnEntry() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    TTestFolder folder;
    QFile file(folder.dbFile(QStringLiteral("1.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("1.txt"))), entries);
}

void TestMaterialLists::missingListFileKeepsTheList() {
    TTestFolder folder;
    folder.removeDbFile(QStringLiteral("2.txt"));
    TMaterialLists lists;
    lists.lists[TMaterialLists::ProfileModels] = {QStringLiteral("eski")};
    lists.load(TProgramFolder(folder.path()));
    QCOMPARE(lists.lists[TMaterialLists::ProfileModels], QStringList{QStringLiteral("eski")});
    QCOMPARE(lists.lists[TMaterialLists::ProfileColours].first(), QStringLiteral("Eloksal Gümüş"));
}

void TestMaterialLists::savingRewritesTheSameContent() {
    TTestFolder folder;
    QFile file(folder.dbFile(QStringLiteral("3.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    TMaterialLists lists;
    lists.load(TProgramFolder(folder.path()));
    lists.save(TProgramFolder(folder.path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestMaterialLists::unwritableListStopsTheSaveAfterTheFilesBeforeIt() {
    TTestFolder folder;
    TMaterialLists lists;
    lists.load(TProgramFolder(folder.path()));
    folder.removeDbFile(QStringLiteral("2.txt"));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("db/2.txt"))); // a folder where the file belongs
    lists.lists[TMaterialLists::ProfileColours] = {QStringLiteral("Yeni Renk")};
    lists.lists[TMaterialLists::InnerMaterials] = {QStringLiteral("Yeni Malzeme")};
    QVERIFY_THROWS_EXCEPTION(DoravelError, lists.save(TProgramFolder(folder.path())));
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("1.txt"))), QStringList{QStringLiteral("Yeni Renk")});
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("3.txt"))).first(), QStringLiteral("Beyaz"));
}

void TestMaterialLists::addedEntryIsAskedAndRemovalNeedsARow() {
    TScriptedMessages messages;
    messages.inputs = QStringList{QStringLiteral("Ceviz")};
    TMaterialLists lists;
    lists.lists[TMaterialLists::InnerMaterials] = QStringList{QStringLiteral("Beyaz")};
    lists.addAsked(TMaterialLists::InnerMaterials);
    lists.addAsked(TMaterialLists::InnerMaterials); // cancelled: an empty entry
    QCOMPARE(messages.asked,
             (QStringList{QStringLiteral("Kapak İçi Malzeme Rengi"), QStringLiteral("Kapak İçi Malzeme Rengi")}));
    QCOMPARE(lists.lists[TMaterialLists::InnerMaterials],
             (QStringList{QStringLiteral("Beyaz"), QStringLiteral("Ceviz"), QString()}));
    lists.remove(TMaterialLists::InnerMaterials, -1);
    lists.remove(TMaterialLists::InnerMaterials, 3);
    QCOMPARE(lists.lists[TMaterialLists::InnerMaterials].size(), 3);
    lists.remove(TMaterialLists::InnerMaterials, 0);
    QCOMPARE(lists.lists[TMaterialLists::InnerMaterials], (QStringList{QStringLiteral("Ceviz"), QString()}));
}

void TestMaterialLists::pricesLoadSevenLines() {
    TTestFolder folder;
    std::array<QString, TCostPrices::Count> prices;
    TCostPrices::load(TProgramFolder(folder.path()), prices);
    QCOMPARE(prices[0], QStringLiteral("12"));
    QCOMPARE(prices[3], QStringLiteral("1,5"));
    QCOMPARE(prices[6], QStringLiteral("25"));
}

void TestMaterialLists::missingPriceFileNamesTheFile() {
    TTestFolder folder;
    folder.removeDbFile(QStringLiteral("cost.txt"));
    std::array<QString, TCostPrices::Count> prices;
    try {
        TCostPrices::load(TProgramFolder(folder.path()), prices);
        QFAIL("no error");
    } catch (const DoravelError& error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Cannot open file \"") +
                                            folder.dbFile(QStringLiteral("cost.txt")) + QStringLiteral("\". ")),
                 qPrintable(error.message()));
    }
}

void TestMaterialLists::shortPriceFileStopsAtTheFirstMissingLine() {
    TTestFolder folder;
    folder.writeDbFile(QStringLiteral("cost.txt"), {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")});
    std::array<QString, TCostPrices::Count> prices;
    prices.fill(QStringLiteral("1"));
    try {
        TCostPrices::load(TProgramFolder(folder.path()), prices);
        QFAIL("no error");
    } catch (const DoravelError& error) {
        QCOMPARE(error.message(), QStringLiteral("List index out of bounds (3)"));
    }
    QCOMPARE(prices[2], QStringLiteral("7"));
    QCOMPARE(prices[3], QStringLiteral("1"));
}

void TestMaterialLists::fullDiskKeepsTheOldFileAndGivesTheSystemsReason() {
    TFullDisk disk;
    if (!disk.available()) QSKIP(qPrintable(disk.why()));
    const TProgramFolder folder(disk.path());
    QVERIFY(QDir(disk.path()).mkdir(QStringLiteral("db")));
    const QString path = folder.dbFile(QStringLiteral("1.txt"));
    const QStringList old = {QStringLiteral("Eloksal Gümüş"), QStringLiteral("Bronz")};
    TextListFile::write(path, old);
    disk.fill();
    // a few entries: the write only fills the file's buffer, the disk says no when it is flushed
    try {
        TextListFile::write(path, {QStringLiteral("Eloksal Gümüş"), QStringLiteral("Bronz"), QStringLiteral("Siyah")});
        QFAIL("the full disk was reported as a successful save");
    } catch (const DoravelError& error) {
        const QString start = QStringLiteral("Cannot create file \"%1\". ").arg(path);
        QVERIFY2(error.message().startsWith(start) && error.message().size() > start.size(),
                 qPrintable(error.message()));
    }
    QCOMPARE(TextListFile::read(path), old);
    QCOMPARE(QDir(folder.dbFile(QString())).entryList(QDir::Files), QStringList{QStringLiteral("1.txt")});
}

void TestMaterialLists::listsNeverReadAreNotWrittenBack() {
    TTestFolder folder;
    folder.removeDbFile(QStringLiteral("2.txt"));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("db/2.txt"))); // a file that cannot be read
    folder.removeDbFile(QStringLiteral("3.txt"));
    TMaterialLists lists;
    QVERIFY_THROWS_EXCEPTION(DoravelError, lists.load(TProgramFolder(folder.path())));
    QVERIFY(lists.isLoaded(TMaterialLists::ProfileColours));
    QVERIFY(!lists.isLoaded(TMaterialLists::ProfileModels));
    QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("db/2.txt")));
    folder.writeDbFile(QStringLiteral("2.txt"), {QStringLiteral("Klasik")});
    folder.writeDbFile(QStringLiteral("3.txt"), {QStringLiteral("Beyaz")});
    lists.lists[TMaterialLists::ProfileColours] << QStringLiteral("Yeni");

    TScriptedMessages messages;
    lists.save(TProgramFolder(folder.path()));
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("1.txt"))).last(), QStringLiteral("Yeni"));
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("2.txt"))), QStringList{QStringLiteral("Klasik")});
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("3.txt"))), QStringList{QStringLiteral("Beyaz")});
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first(),
             MaterialListTexts::notLoaded(TMaterialLists::ProfileModels, folder.dbFile(QStringLiteral("2.txt"))) +
                 QLatin1Char('\n') +
                 MaterialListTexts::notLoaded(TMaterialLists::InnerMaterials, folder.dbFile(QStringLiteral("3.txt"))));
}

void TestMaterialLists::pastedLineBreaksStayOneEntry() {
    TTestFolder folder;
    const TProgramFolder programFolder(folder.path());
    TScriptedMessages messages;
    messages.inputs = QStringList{QStringLiteral("Satir1\nSatir2\r\nSatir3")};
    TMaterialLists lists;
    lists.load(programFolder);
    const int before = lists.lists[TMaterialLists::InnerMaterials].size();
    lists.addAsked(TMaterialLists::InnerMaterials);
    QCOMPARE(lists.lists[TMaterialLists::InnerMaterials].last(), QStringLiteral("Satir1 Satir2 Satir3"));
    // An entry set with a break by any other way is still written as one line.
    lists.lists[TMaterialLists::ProfileColours] << QStringLiteral("Renk1\rRenk2");
    lists.save(programFolder);
    TMaterialLists restarted;
    restarted.load(programFolder);
    QCOMPARE(restarted.lists[TMaterialLists::InnerMaterials].size(), before + 1);
    QCOMPARE(restarted.lists[TMaterialLists::InnerMaterials].last(), QStringLiteral("Satir1 Satir2 Satir3"));
    QCOMPARE(restarted.lists[TMaterialLists::ProfileColours].last(), QStringLiteral("Renk1 Renk2"));
}

void TestMaterialLists::priceWithALineBreakWritesOneLine() {
    TTestFolder folder;
    std::array<QString, TCostPrices::Count> prices;
    prices.fill(QStringLiteral("1"));
    prices[0] = QStringLiteral("2\n5");
    TCostPrices::save(TProgramFolder(folder.path()), prices);
    const QStringList lines = TextListFile::read(folder.dbFile(QStringLiteral("cost.txt")));
    QCOMPARE(lines.size(), TCostPrices::Count);
    QCOMPARE(lines.first(), QStringLiteral("2 5"));
}

QTEST_GUILESS_MAIN(TestMaterialLists)
#include "tst_materiallists.moc"
