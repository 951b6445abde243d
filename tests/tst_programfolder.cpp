#include "model/Errors.h"
#include "model/ProgramFolder.h"
#include "session/Help.h"
#include "settings/MaterialLists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

// An installed program under a temporary prefix: the programs in bin, the shipped lists, prices and
// help page in share/doravel3; and a user's home with nothing in it yet.
struct TInstalledPrefix {
    QTemporaryDir dir;
    QString prefix = dir.filePath(QStringLiteral("usr"));
    QString bin = prefix + QStringLiteral("/bin");
    QString shared = prefix + QStringLiteral("/share/doravel3");
    QString userData = dir.filePath(QStringLiteral("home/.local/share/Merkona/Doravel3"));

    TInstalledPrefix() {
        QDir().mkpath(bin);
        writeFile(shared + QStringLiteral("/db/1.txt"), "Eloksal\r\nBeyaz\r\n");
        writeFile(shared + QStringLiteral("/db/2.txt"), "Model A\r\n");
        writeFile(shared + QStringLiteral("/db/3.txt"), "Ceviz\r\n");
        writeFile(shared + QStringLiteral("/db/cost.txt"), "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n");
        writeFile(shared + QStringLiteral("/dv3_help/help.htm"), "<html></html>");
    }
    TProgramFolder locate() const { return TProgramFolder::locate(bin, userData); }
};

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void portableProgramKeepsEverythingBesideItself();
    void installedProgramKeepsDataInTheUsersFolderAndReadsTheInstalledHelp();
    void firstStartCopiesTheShippedListsAndPrices();
    void laterStartsNeverOverwriteTheUsersFiles();
    void userFolderThatCannotBeMadeGivesTheFileMessage();
    void userDataFolderIsTheMakersFolderInTheUsersDataFolder();
};

void TestProgramFolder::portableProgramKeepsEverythingBesideItself() {
    TInstalledPrefix installed;
    // A copied folder: the program file with its db folder, as the build folder.
    QVERIFY(QDir(installed.bin).mkpath(QStringLiteral("db")));
    const TProgramFolder folder = installed.locate();
    QVERIFY(folder.isPortable());
    QCOMPARE(folder.dbFile(QStringLiteral("1.txt")), installed.bin + QStringLiteral("/db/1.txt"));
    QCOMPARE(folder.helpPage(), installed.bin + QStringLiteral("/dv3_help/help.htm"));
    folder.prepareUserData();
    QVERIFY(!QFileInfo::exists(installed.userData));
    QVERIFY(QDir(installed.bin + QStringLiteral("/db")).isEmpty());
}

void TestProgramFolder::installedProgramKeepsDataInTheUsersFolderAndReadsTheInstalledHelp() {
    TInstalledPrefix installed;
    const TProgramFolder folder = installed.locate();
    QVERIFY(!folder.isPortable());
    QCOMPARE(folder.dbFolder(), installed.userData + QStringLiteral("/db"));
    QCOMPARE(folder.dbFile(QStringLiteral("dora.sqlite")), installed.userData + QStringLiteral("/db/dora.sqlite"));
    QCOMPARE(folder.helpPage(), installed.shared + QStringLiteral("/dv3_help/help.htm"));
    QCOMPARE(folder.shippedDbFolder(), installed.shared + QStringLiteral("/db"));
    QCOMPARE(RequireHelpPage(folder), installed.shared + QStringLiteral("/dv3_help/help.htm"));
}

void TestProgramFolder::firstStartCopiesTheShippedListsAndPrices() {
    TInstalledPrefix installed;
    const TProgramFolder folder = installed.locate();
    folder.prepareUserData();
    for (const QString& name :
         {QStringLiteral("1.txt"), QStringLiteral("2.txt"), QStringLiteral("3.txt"), QStringLiteral("cost.txt")})
        QCOMPARE(readFile(folder.dbFile(name)), readFile(installed.shared + QStringLiteral("/db/") + name));
    TMaterialLists lists;
    lists.load(folder);
    QCOMPARE(lists.lists[TMaterialLists::ProfileColours],
             (QStringList{QStringLiteral("Eloksal"), QStringLiteral("Beyaz")}));
    std::array<QString, TCostPrices::Count> prices;
    TCostPrices::load(folder, prices);
    QCOMPARE(prices[6], QStringLiteral("70"));
}

void TestProgramFolder::laterStartsNeverOverwriteTheUsersFiles() {
    TInstalledPrefix installed;
    const TProgramFolder folder = installed.locate();
    writeFile(folder.dbFile(QStringLiteral("1.txt")), "Kendi Rengim\r\n");
    writeFile(folder.dbFile(QStringLiteral("dora.sqlite")), "orders");
    folder.prepareUserData();
    folder.prepareUserData();
    QCOMPARE(readFile(folder.dbFile(QStringLiteral("1.txt"))), QByteArray("Kendi Rengim\r\n"));
    QCOMPARE(readFile(folder.dbFile(QStringLiteral("dora.sqlite"))), QByteArray("orders"));
    QCOMPARE(readFile(folder.dbFile(QStringLiteral("2.txt"))), QByteArray("Model A\r\n"));
}

void TestProgramFolder::userFolderThatCannotBeMadeGivesTheFileMessage() {
    TInstalledPrefix installed;
    writeFile(installed.userData, "a file where the folder belongs");
    const TProgramFolder folder = installed.locate();
    try {
        folder.prepareUserData();
        QFAIL("no error");
    } catch (const DoravelError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("Cannot create file \"%1\".").arg(QDir::toNativeSeparators(folder.dbFolder())));
    }
    QCOMPARE(readFile(installed.userData), QByteArray("a file where the folder belongs"));
}

void TestProgramFolder::userDataFolderIsTheMakersFolderInTheUsersDataFolder() {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    QCOMPARE(TProgramFolder::userDataFolder(), home.filePath(QStringLiteral("data/Merkona/Doravel3")));
    qunsetenv("XDG_DATA_HOME");
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
