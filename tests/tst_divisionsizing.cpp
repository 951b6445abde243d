#include "design/DivisionEditor.h"
#include "model/Errors.h"
#include "support/TestSupport.h"

#include <QtTest>

class TestDivisionSizing : public QObject {
    Q_OBJECT
private slots:
    void fillsUnlockedEntries_data();
    void fillsUnlockedEntries();
    void lastUnlockedEntryCannotBeLocked();
    void unlockingKeepsValuesUntilTheNextFill();
    void commonDimensionIsNeverLockable();
    void fillThatCannotReadItsInputChangesNothing();

private:
    TDivisionEditor editorFor(const QString& count, const QString& direction);
    TProfileGroup group = exampleGroup();
    QString doorHeight = QStringLiteral("250");
};

TDivisionEditor TestDivisionSizing::editorFor(const QString& count, const QString& direction) {
    TDivisionEditor editor;
    editor.kapakeni = QStringLiteral("100");
    ChangeDivisionDirection(editor, direction, group, doorHeight);
    ChangeDivisionCount(editor, count, group, doorHeight);
    return editor;
}

void TestDivisionSizing::fillsUnlockedEntries_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("lockedSize1"); // typed into division 1's running entry, empty for none
    QTest::addColumn<QStringList>("running");
    QTest::addColumn<QString>("common");
    QTest::newRow("three Yatay") << "3"
                                 << "Yatay"
                                 << "" << QStringList{"79,5", "79,5", "79,5"} << "94,5";
    QTest::newRow("three Yatay, division 1 at 100") << "3"
                                                    << "Yatay"
                                                    << "100" << QStringList{"100", "69,25", "69,25"} << "94,5";
    QTest::newRow("one Yatay") << "1"
                               << "Yatay"
                               << "" << QStringList{"243,5"} << "94,5";
    QTest::newRow("one Dikey") << "1"
                               << "Dikey"
                               << "" << QStringList{"94,5"} << "243,5";
    QTest::newRow("two Dikey") << "2"
                               << "Dikey"
                               << "" << QStringList{"46", "46"} << "243,5";
    QTest::newRow("three Dikey, rounded share") << "3"
                                                << "Dikey"
                                                << "" << QStringList{"29,83", "29,83", "29,83"} << "243,5";
    QTest::newRow("locked above the total") << "2"
                                            << "Dikey"
                                            << "200" << QStringList{"200", "-108"} << "243,5";
}

void TestDivisionSizing::fillsUnlockedEntries() {
    QFETCH(QString, count);
    QFETCH(QString, direction);
    QFETCH(QString, lockedSize1);
    QFETCH(QStringList, running);
    QFETCH(QString, common);
    TDivisionEditor editor = editorFor(count, direction);
    const TDimension dim = editor.runningDimension();
    const TDimension other = dim == TDimension::Width ? TDimension::Height : TDimension::Width;
    if (!lockedSize1.isEmpty()) {
        QVERIFY(ToggleDivisionLock(editor, 1, dim, true, group, doorHeight));
        EditDivisionSize(editor, 1, dim, lockedSize1, group, doorHeight);
    }
    for (int division = 1; division <= running.size(); ++division) {
        QCOMPARE(editor.rows[division].size(dim), running.at(division - 1));
        QCOMPARE(editor.rows[division].size(other), common);
    }
    QCOMPARE(editor.editkontrol, QStringLiteral("0"));
}

void TestDivisionSizing::lastUnlockedEntryCannotBeLocked() {
    TDivisionEditor editor = editorFor(QStringLiteral("2"), QStringLiteral("Dikey"));
    QVERIFY(ToggleDivisionLock(editor, 1, TDimension::Width, true, group, doorHeight));
    QVERIFY(!ToggleDivisionLock(editor, 2, TDimension::Width, true, group, doorHeight));
    QVERIFY(!editor.rows[2].widthLocked);
    QVERIFY(editor.rows[2].widthReadOnly);
    QVERIFY(!editor.rows[1].widthReadOnly);
    QCOMPARE(editor.lockedWidths, QList<int>{1});
    QCOMPARE(editor.unlockedWidths, QList<int>{2});
}

void TestDivisionSizing::unlockingKeepsValuesUntilTheNextFill() {
    TDivisionEditor editor = editorFor(QStringLiteral("2"), QStringLiteral("Dikey"));
    ToggleDivisionLock(editor, 1, TDimension::Width, true, group, doorHeight);
    EditDivisionSize(editor, 1, TDimension::Width, QStringLiteral("30"), group, doorHeight);
    QCOMPARE(editor.rows[2].width, QStringLiteral("62"));
    // The fill runs with the locks as they were, so nothing changes at once.
    QVERIFY(!ToggleDivisionLock(editor, 1, TDimension::Width, false, group, doorHeight));
    QCOMPARE(editor.rows[1].width, QStringLiteral("30"));
    QCOMPARE(editor.rows[2].width, QStringLiteral("62"));
    FillDivisionSizes(editor, group, doorHeight);
    QCOMPARE(editor.rows[1].width, QStringLiteral("46"));
}

void TestDivisionSizing::commonDimensionIsNeverLockable() {
    TDivisionEditor yatay = editorFor(QStringLiteral("3"), QStringLiteral("Yatay"));
    QVERIFY(yatay.rows[1].heightLockEnabled);
    QVERIFY(!yatay.rows[1].widthLockEnabled);
    QVERIFY(!yatay.rows[4].heightLockEnabled);
    TDivisionEditor single = editorFor(QStringLiteral("1"), QStringLiteral("Dikey"));
    QVERIFY(!single.rows[1].widthLockEnabled);
    QVERIFY(!single.rows[1].heightLockEnabled);
    QVERIFY(!single.rows[1].araBolmeEnabled);
}

void TestDivisionSizing::fillThatCannotReadItsInputChangesNothing() {
    TDivisionEditor editor = editorFor(QStringLiteral("3"), QStringLiteral("Yatay"));
    ToggleDivisionLock(editor, 2, TDimension::Height, true, group, doorHeight);
    TScriptedMessages messages;
    RunGuarded([&] { EditDivisionSize(editor, 2, TDimension::Height, QStringLiteral("7a"), group, doorHeight); });
    QCOMPARE(messages.shown, QStringList{QStringLiteral("'7a' is not a valid floating point value")});
    QCOMPARE(editor.rows[1].height, QStringLiteral("79,5"));
    QCOMPARE(editor.rows[3].height, QStringLiteral("79,5"));
    QCOMPARE(editor.editkontrol, QStringLiteral("0"));
    EditDivisionSize(editor, 2, TDimension::Height, QStringLiteral("78,5"), group, doorHeight);
    QCOMPARE(editor.rows[1].height, QStringLiteral("80"));
}

QTEST_GUILESS_MAIN(TestDivisionSizing)
#include "tst_divisionsizing.moc"
