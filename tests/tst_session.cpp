#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "support/TestSupport.h"

#include "settings/TextListFile.h"

#include <QtTest>

#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <unistd.h>
#endif

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixedToday(QDate(2026, 12, 10)); }
    void cleanup() { Clock::setFixedToday(QDate()); }
    void startupLoadsGroupListsAndPrices();
    void statusDateWritesDayAndMonthWithTwoDigits();
    void emptyProfileColourListLeavesNoSelection();
    void startupFailureStopsAtItsStep_data();
    void startupFailureStopsAtItsStep();
    void newProjectWithoutOrderNameDoesNotAsk();
    void newProjectHasNoOrderNumberUntilSaved();
    void newProjectAsksAndNoChangesNothing();
    void newProjectYesEmptiesTheProject();
    void savingSettingsAfterAFailedStartKeepsThePickLists();
};

void TestSession::startupLoadsGroupListsAndPrices() {
    TTestFolder folder;
    auto session = folder.makeSession();
    OnMainWindowCreated(*session);
    OnMainWindowShown(*session);
    QVERIFY(session->doorAreaEnabled);
    QCOMPARE(session->activeGroup.text(TProfileGroup::work), QStringLiteral("3,5"));
    QCOMPARE(session->profileColourChoices, (QStringList{QStringLiteral("Eloksal Gümüş"), QStringLiteral("Bronz")}));
    QCOMPARE(session->project.profileColour, QStringLiteral("Eloksal Gümüş"));
    QCOMPARE(session->project.profileModel, QStringLiteral("Klasik"));
    QCOMPARE(session->innerMaterialChoices.size(), 3);
    QCOMPARE(session->subDivisionEditor.nameChoices, session->innerMaterialChoices);
    QCOMPARE(session->costTable.unitPrices[3], QStringLiteral("1,5"));
    QCOMPARE(session->statusDate, QStringLiteral("10.12.2026   "));
    QCOMPARE(session->project.deliveryDate, QDate(2026, 12, 10));
    QCOMPARE(session->project.statusText, QStringLiteral("Henüz Hiçbir İşlem Yapmadınız !"));
    QCOMPARE(session->project.doorCount, QStringLiteral("6"));
    QCOMPARE(session->doorImages[6], DoorDrawing::blankDoor());
}

void TestSession::statusDateWritesDayAndMonthWithTwoDigits() {
    Clock::setFixedToday(QDate(2027, 1, 5));
    TTestFolder folder;
    auto session = folder.makeSession();
    OnMainWindowShown(*session);
    QCOMPARE(session->statusDate, QStringLiteral("05.01.2027   "));
    QCOMPARE(DisplayDate::text(session->project.deliveryDate), QStringLiteral("05.01.2027"));
}

void TestSession::emptyProfileColourListLeavesNoSelection() {
    TTestFolder folder;
    folder.writeDbFile(QStringLiteral("1.txt"), {});
    auto session = folder.makeSession();
    OnMainWindowShown(*session);
    QVERIFY(session->profileColourChoices.isEmpty());
    QCOMPARE(session->project.profileColour, QString());
}

void TestSession::startupFailureStopsAtItsStep_data() {
    QTest::addColumn<QStringList>("costLines");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("missing price file") << QStringList() << "Cannot open file \"";
    QTest::newRow("six prices") << QStringList{"1", "2", "3", "4", "5", "6"} << "List index out of bounds (6)";
}

void TestSession::startupFailureStopsAtItsStep() {
    QFETCH(QStringList, costLines);
    QFETCH(QString, messageStart);
    TTestFolder folder;
    if (costLines.isEmpty())
        folder.removeDbFile(QStringLiteral("cost.txt"));
    else
        folder.writeDbFile(QStringLiteral("cost.txt"), costLines);
    auto session = folder.makeSession();
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { OnMainWindowShown(*session); }));
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().startsWith(messageStart), qPrintable(messages.shown.first()));
    QVERIFY(!session->doorAreaEnabled);
    QVERIFY(session->statusDate.isEmpty());
    // the steps before the failure were done
    QCOMPARE(session->project.profileColour, QStringLiteral("Eloksal Gümüş"));
}

void TestSession::newProjectWithoutOrderNameDoesNotAsk() {
    TTestFolder folder;
    auto session = folder.makeSession();
    TScriptedMessages messages;
    session->project.openingWidth = QStringLiteral("200");
    QVERIFY(NewProject(*session));
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(session->project.kayitkontrol, QStringLiteral("yeni"));
    QCOMPARE(session->project.doorCount, QStringLiteral("2"));
    QCOMPARE(session->project.openingWidth, QString());
}

void TestSession::newProjectHasNoOrderNumberUntilSaved() {
    TTestFolder folder;
    auto session = folder.makeSession();
    TScriptedMessages messages;
    session->project.sno = QStringLiteral("41");
    session->project.kayitkontrol = QStringLiteral("eski");
    QVERIFY(NewProject(*session));
    QCOMPARE(session->project.sno, QString());
}

void TestSession::newProjectAsksAndNoChangesNothing() {
    TTestFolder folder;
    auto session = folder.makeSession();
    TProject& project = session->project;
    project.orderName = QStringLiteral("Yılmaz");
    project.openingWidth = QStringLiteral("240");
    project.doorCount = QStringLiteral("3");
    project.cell(1, 1) = QStringLiteral("40");
    session->doorImages[1] = DoorDrawing::sketch(2, QStringLiteral("Dikey"));
    TScriptedMessages messages;
    messages.answers = {false};
    QVERIFY(!NewProject(*session));
    QCOMPARE(messages.asked, QStringList{QStringLiteral("Bu İşlemi İptal Etmek İstiyormusunuz?")});
    QCOMPARE(project.orderName, QStringLiteral("Yılmaz"));
    QCOMPARE(project.openingWidth, QStringLiteral("240"));
    QCOMPARE(project.doorCount, QStringLiteral("3"));
    QCOMPARE(project.cell(1, 1), QStringLiteral("40"));
    QCOMPARE(session->doorImages[1], DoorDrawing::sketch(2, QStringLiteral("Dikey")));
}

void TestSession::newProjectYesEmptiesTheProject() {
    TTestFolder folder;
    auto session = folder.makeSession();
    TProject& project = session->project;
    project.orderName = QStringLiteral("Yılmaz");
    project.openingHeight = QStringLiteral("250");
    project.doorHeight = QStringLiteral("246,5");
    project.cell(2, 26) = QStringLiteral("3");
    project.splitTable(1)[1][1] = QStringLiteral("20");
    session->divisionEditor.splits[2][1] = QStringLiteral("30");
    TScriptedMessages messages;
    QVERIFY(NewProject(*session));
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(project.orderName, QString());
    QCOMPARE(project.openingHeight, QString());
    QCOMPARE(project.doorHeight, QString());
    QCOMPARE(project.cell(2, 26), QString());
    QCOMPARE(session->divisionEditor.splits[2][1], QString());
    // the stored split data stays until a door is confirmed
    QCOMPARE(project.splitTable(1)[1][1], QStringLiteral("20"));
    for (int door = 1; door <= 6; ++door)
        QCOMPARE(session->doorImages[door], DoorDrawing::blankDoor());
}

// 1.txt can be replaced but not read (mode 0200): the start stops at it, and "Kaydet" afterwards must
// not write the three lists it never read over their files.
void TestSession::savingSettingsAfterAFailedStartKeepsThePickLists() {
    TTestFolder folder;
    const QString first = folder.dbFile(QStringLiteral("1.txt"));
    auto session = folder.makeSession();
    EnsureDefaultProfileGroup(*session->store);
    QVERIFY(QFile::setPermissions(first, QFileDevice::WriteOwner));
    bool asNobody = false;
#ifdef Q_OS_LINUX
    // Root reads any file: the start then runs with the file-system rights of "nobody".
    if (::geteuid() == 0) {
        for (const QString& dir : {folder.path(), folder.dbFile(QString())})
            QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                           QFileDevice::ReadOther | QFileDevice::ExeOther);
        ::setfsuid(65534);
        asNobody = true;
    }
#endif
    QFile probe(first);
    const bool unreadable = !probe.open(QIODevice::ReadOnly);
    TScriptedMessages messages;
    const bool started = RunGuarded([&] { OnMainWindowShown(*session); });
#ifdef Q_OS_LINUX
    if (asNobody) ::setfsuid(0);
#endif
    if (!unreadable) QSKIP("a file that cannot be read cannot be made here");
    QVERIFY(!started);
    QVERIFY(!session->doorAreaEnabled);
    QVERIFY2(messages.shown.first().startsWith(QStringLiteral("Cannot open file \"") + first),
             qPrintable(messages.shown.first()));

    messages.shown.clear();
    SaveSettings(*session);
    QVERIFY(QFile::setPermissions(first, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(TextListFile::read(first), (QStringList{QStringLiteral("Eloksal Gümüş"), QStringLiteral("Bronz")}));
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("2.txt"))).size(), 2);
    QCOMPARE(TextListFile::read(folder.dbFile(QStringLiteral("3.txt"))).size(), 3);
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown.first().contains(QStringLiteral("Profil Renkleri listesi kaydedilmedi")),
             qPrintable(messages.shown.first()));
    QVERIFY(messages.shown.first().contains(QStringLiteral("Kapak İçi Malzeme Renkleri listesi kaydedilmedi")));
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
