#include "model/StoredText.h"

#include <QTest>

// Cleaning a typed or pasted text: what cannot be stored is taken out, everything else stays.
class TestStoredText : public QObject {
    Q_OBJECT

private slots:
    void cleaningTakesOutOnlyWhatCannotBeStored_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("cleaned");
        const int one = int(StoredText::Lines::One);
        const int many = int(StoredText::Lines::Many);
        QTest::newRow("plain") << QStringLiteral("Örnek Şğü") << one << QStringLiteral("Örnek Şğü");
        QTest::newRow("tab stays") << QStringLiteral("a\tb") << one << QStringLiteral("a\tb");
        QTest::newRow("NUL and bell go") << QStringLiteral("a") + QChar(0) + QStringLiteral("b\a") << one
                                         << QStringLiteral("ab");
        QTest::newRow("C1 control and DEL go")
            << QStringLiteral("a") + QChar(0x85) + QChar(0x7F) << one << QStringLiteral("a");
        QTest::newRow("line break goes from one line") << QStringLiteral("a\nb") << one << QStringLiteral("ab");
        QTest::newRow("line break stays in many") << QStringLiteral("a\nb\r") << many << QStringLiteral("a\nb");
        QTest::newRow("lone surrogates go")
            << QString(QChar(0xDC00)) + QStringLiteral("x") + QChar(0xD800) << one << QStringLiteral("x");
        QTest::newRow("pair stays") << QStringLiteral("🚪") << one << QStringLiteral("🚪");
        QTest::newRow("leading byte order marks go") << QString(2, QChar(0xFEFF)) + QStringLiteral("a") + QChar(0xFEFF)
                                                     << one << QStringLiteral("a") + QChar(0xFEFF);
        QTest::newRow("mark brought to the front goes")
            << QString(QChar(1)) + QChar(0xFEFF) + QStringLiteral("a") << one << QStringLiteral("a");
    }
    void cleaningTakesOutOnlyWhatCannotBeStored() {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QFETCH(QString, cleaned);
        const auto kind = StoredText::Lines(lines);
        QCOMPARE(StoredText::cleaned(text, kind), cleaned);
        QCOMPARE(StoredText::firstUnstorable(cleaned, kind), qsizetype(-1));
        QCOMPARE(StoredText::firstUnstorable(text, kind) < 0, text == cleaned);
    }
};

QTEST_GUILESS_MAIN(TestStoredText)
#include "tst_storedtext.moc"
