#include "model/Errors.h"
#include "model/Messages.h"
#include "model/NumberText.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readsCommaDecimals_data();
    void readsCommaDecimals();
    void rejectsTextThatIsNotAFloat_data();
    void rejectsTextThatIsNotAFloat();
    void readsWholeNumbers();
    void rejectsTextThatIsNotAnInteger_data();
    void rejectsTextThatIsNotAnInteger();
    void readsCountsInTheirRange_data();
    void readsCountsInTheirRange();
    void writesGeneralFormat_data();
    void writesGeneralFormat();
    void roundsToHundredthsWithTiesToEven_data();
    void roundsToHundredthsWithTiesToEven();
    void failureStopsTheOperationAndShowsItsMessageOnce();
    void pixelsRoundHalfToEvenAndStayInRange();
    void sameTextsUnderAnySystemLocale_data();
    void sameTextsUnderAnySystemLocale();
    void everyFiniteNumberReadsBack_data();
    void everyFiniteNumberReadsBack();
};

// The suite runs once per locale (tests/CMakeLists.txt); a locale that is not installed would make
// that run a silent copy of the C run, so it fails here instead.
void TestNumberText::initTestCase() {
    const QByteArray wanted = qgetenv("DORAVEL_TEST_LOCALE");
    if (!wanted.startsWith("tr_TR")) return;
    QVERIFY2(QByteArray(std::localeconv()->decimal_point) == ",",
             qPrintable(QStringLiteral("the locale %1 is not installed; scripts/setup.sh generates it")
                            .arg(QString::fromLatin1(wanted))));
}

void TestNumberText::pixelsRoundHalfToEvenAndStayInRange() {
    QCOMPARE(NumberText::roundPixel(58.5), 58);
    QCOMPARE(NumberText::roundPixel(59.5), 60);
    QCOMPARE(NumberText::roundPixel(-0.5), 0);
    // a zero door width makes an infinite scale: the position is far outside, not undefined
    QVERIFY(NumberText::roundPixel(120.0 / 0.0 * 50) > 10000);
    QVERIFY(NumberText::roundPixel(-120.0 / 0.0) < -10000);
}

void TestNumberText::readsCountsInTheirRange_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count"); // 0: not a count of 2 to 6
    QTest::newRow("lowest") << "2" << 2;
    QTest::newRow("highest") << "6" << 6;
    QTest::newRow("leading zero") << "03" << 3;
    QTest::newRow("below") << "1" << 0;
    QTest::newRow("above") << "7" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("decimal") << "3,5" << 0;
    QTest::newRow("letters") << "iki" << 0;
    QTest::newRow("overflowing") << "99999999999" << 0;
}

void TestNumberText::readsCountsInTheirRange() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(NumberText::countIn(text, 2, 6).value_or(0), count);
    if (count != 0) {
        QCOMPARE(NumberText::toCount(text, 2, 6), count);
        return;
    }
    try {
        NumberText::toCount(text, 2, 6);
        QFAIL("a text that is not a count was read");
    } catch (const EConvertError& error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestNumberText::readsCommaDecimals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "79,5" << 79.5;
    QTest::newRow("whole") << "80" << 80.0;
    QTest::newRow("negative") << "-1,25" << -1.25;
    QTest::newRow("leading comma") << ",5" << 0.5;
    QTest::newRow("trailing zeros") << "60,50" << 60.5;
    QTest::newRow("exponent") << "1,5E3" << 1500.0;
    QTest::newRow("blanks around") << " 12 " << 12.0;
    QTest::newRow("plus sign") << "+3,5" << 3.5;
    QTest::newRow("trailing comma") << "5," << 5.0;
    QTest::newRow("too small for a double reads as zero") << "1E-400" << 0.0;
}

void TestNumberText::readsCommaDecimals() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::toFloat(text), value);
}

void TestNumberText::rejectsTextThatIsNotAFloat_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "12a";
    QTest::newRow("point separator") << "79.5";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("blank") << " ";
    QTest::newRow("beyond the double range") << "1E400";
}

void TestNumberText::rejectsTextThatIsNotAFloat() {
    QFETCH(QString, text);
    try {
        NumberText::toFloat(text);
        QFAIL("no error");
    } catch (const EConvertError& error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void TestNumberText::readsWholeNumbers() {
    QCOMPARE(NumberText::toInt(QStringLiteral("01")), 1);
    QCOMPARE(NumberText::toInt(QStringLiteral("-3")), -3);
    QCOMPARE(NumberText::toInt(QStringLiteral("6")), 6);
}

void TestNumberText::rejectsTextThatIsNotAnInteger_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("decimal") << "1,5";
    QTest::newRow("letters") << "iki";
}

void TestNumberText::rejectsTextThatIsNotAnInteger() {
    QFETCH(QString, text);
    try {
        NumberText::toInt(text);
        QFAIL("no error");
    } catch (const EConvertError& error) {
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestNumberText::writesGeneralFormat_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("half") << 79.5 << "79,5";
    QTest::newRow("whole") << 80.0 << "80";
    QTest::newRow("small") << 0.35 << "0,35";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -2.5 << "-2,5";
    QTest::newRow("220 / 6, 15 digits") << 220.0 / 6 << "36,6666666666667";
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << "0,3";
    QTest::newRow("15 digits whole") << 999999999999999.0 << "999999999999999";
    QTest::newRow("16 digits switch to exponent") << 1e15 << "1E15";
    QTest::newRow("large") << 1.5e20 << "1,5E20";
    QTest::newRow("0,00001 stays fixed") << 0.00001 << "0,00001";
    QTest::newRow("smaller goes exponent") << 0.000001 << "1E-6";
    QTest::newRow("negative exponent with digits") << -1.25e-7 << "-1,25E-7";
    QTest::newRow("largest double cut toward zero") << DBL_MAX << "1,79769313486231E308";
    QTest::newRow("most negative double") << -DBL_MAX << "-1,79769313486231E308";
}

void TestNumberText::writesGeneralFormat() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::fromFloat(value), text);
}

void TestNumberText::roundsToHundredthsWithTiesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("rounded");
    // 0,125 / 0,01 is exactly 12,5 and 2,675 / 0,01 exactly 267,5: both go to the even neighbour.
    QTest::newRow("0,125 down to even") << 0.125 << "0,12";
    QTest::newRow("2,675 up to even") << 2.675 << "2,68";
    QTest::newRow("0,375 up to even") << 0.375 << "0,38";
    QTest::newRow("220 / 6") << 220.0 / 6 << "36,67";
    QTest::newRow("308 / 3") << 308.0 / 3 << "102,67";
    QTest::newRow("negative") << -1.234 << "-1,23";
    QTest::newRow("already round") << 196.5 << "196,5";
}

void TestNumberText::roundsToHundredthsWithTiesToEven() {
    QFETCH(double, value);
    QFETCH(QString, rounded);
    QCOMPARE(NumberText::round2Text(value), rounded);
}

void TestNumberText::failureStopsTheOperationAndShowsItsMessageOnce() {
    TScriptedMessages messages;
    QStringList written;
    const bool ok = RunGuarded([&] {
        written << NumberText::fromFloat(NumberText::toFloat(QStringLiteral("1,5")));
        written << NumberText::fromFloat(NumberText::toFloat(QStringLiteral("x")));
        written << QStringLiteral("never");
    });
    QVERIFY(!ok);
    QCOMPARE(written, QStringList{QStringLiteral("1,5")});
    QCOMPARE(messages.shown, QStringList{QStringLiteral("'x' is not a valid floating point value")});
}

void TestNumberText::sameTextsUnderAnySystemLocale_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::newRow("Turkish") << QByteArray("tr_TR.UTF-8");
    QTest::newRow("German") << QByteArray("de_DE.UTF-8");
}

// Qt's application object sets the C library's locale from the environment: on a Turkish desktop
// the C library itself writes and reads the decimal comma.
void TestNumberText::sameTextsUnderAnySystemLocale() {
    QFETCH(QByteArray, locale);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, locale.constData())) QSKIP(qPrintable(locale + " is not installed here"));
    const auto restore = qScopeGuard([&] { std::setlocale(LC_ALL, before.c_str()); });
    QCOMPARE(NumberText::toFloat(QStringLiteral("79,5")), 79.5);
    QCOMPARE(NumberText::toFloat(QStringLiteral(",5")), 0.5);
    QCOMPARE(NumberText::toFloat(QStringLiteral("-1,5E3")), -1500.0);
    QCOMPARE(NumberText::fromFloat(3.5), QStringLiteral("3,5"));
    QCOMPARE(NumberText::fromFloat(-40400), QStringLiteral("-40400"));
    QCOMPARE(NumberText::fromFloat(220.0 / 6), QStringLiteral("36,6666666666667"));
    QCOMPARE(NumberText::round2Text(2.675), QStringLiteral("2,68"));
    QCOMPARE(NumberText::fromInt(-1234567), QStringLiteral("-1234567"));
    QCOMPARE(NumberText::toInt(QStringLiteral("1234567")), 1234567);
}

void TestNumberText::everyFiniteNumberReadsBack_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("largest") << DBL_MAX;
    QTest::newRow("most negative") << -DBL_MAX;
    QTest::newRow("just below the largest") << std::nextafter(DBL_MAX, 0.0);
    QTest::newRow("15 digits below the largest") << 1.79769313486231e308;
    QTest::newRow("smallest normal") << DBL_MIN;
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("ordinary") << 123456.789;
}

void TestNumberText::everyFiniteNumberReadsBack() {
    QFETCH(double, value);
    const QString text = NumberText::fromFloat(value);
    double back = 0;
    try {
        back = NumberText::toFloat(text);
    } catch (const EConvertError& error) {
        QFAIL(qPrintable(error.message()));
    }
    QVERIFY2(std::abs(back - value) <= std::abs(value) * 1e-14, qPrintable(text));
    QCOMPARE(NumberText::fromFloat(back), text);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
