#include "production/Fonts.h"
#include "production/PageFit.h"

#include <QFontMetricsF>
#include <QtTest>

namespace {

QFont font() {
    return Fonts::arial(12);
}

double widthOf(const QString& text) {
    return QFontMetricsF(font()).horizontalAdvance(text);
}

} // namespace

class TestPageFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutes(); }

    void elidedShortensOnlyWhatDoesNotFit() {
        QCOMPARE(PageFit::elided(QStringLiteral("Çelik"), font(), 200), QStringLiteral("Çelik"));
        const QString cut = PageFit::elided(QStringLiteral("Yatak Odası Dolabı Ahşap Görünümlü"), font(), 80);
        QVERIFY(cut.endsWith(QStringLiteral("…")));
        QVERIFY(widthOf(cut) <= 80);
        QVERIFY(QStringLiteral("Yatak Odası Dolabı").startsWith(cut.chopped(1)));
    }

    void wrappedKeepsEveryWordWithinTheWidth_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::newRow("pieces") << QStringLiteral("Kesilecek: 28,67 + 28,67 + 28,67 + 28,67 + 28,67 + 28,67 cm")
                                << 90.0;
        QTest::newRow("one word wider than the line") << QStringLiteral("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA") << 60.0;
        QTest::newRow("fits") << QStringLiteral("Üst Ray") << 300.0;
    }
    void wrappedKeepsEveryWordWithinTheWidth() {
        QFETCH(QString, text);
        QFETCH(double, width);
        const QStringList lines = PageFit::wrapped(text, font(), width);
        for (const QString& line : lines)
            QVERIFY2(widthOf(line) <= width, qPrintable(line));
        QCOMPARE(lines.join(QString()).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')));
    }

    void wrappedToFewerLinesEndsInAnEllipsis() {
        const QStringList lines =
            PageFit::wrapped(QStringLiteral("bir iki üç dört beş altı yedi sekiz dokuz on"), font(), 60, 2);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.last().endsWith(QStringLiteral("…")));
        QVERIFY(widthOf(lines.last()) <= 60);
    }

    void fittedMakesTheFontSmallerBeforeCutting() {
        const QString name = QStringLiteral("Yatak Odası Dolabı ve Koridor Vestiyeri");
        const PageFit::TFittedText fit = PageFit::fitted(name, Fonts::trebuchet(27, true), QSizeF(300, 36), 11);
        QVERIFY(fit.font.pixelSize() < 27);
        QVERIFY(fit.lines.size() * fit.lineHeight <= 36);
        QCOMPARE(fit.lines.join(QLatin1Char(' ')), name);
    }

    void flowKeepsAHeadingWithItsRowsAndRepeatsIt() {
        // Pages of 100: 65 filled, then a heading (group 1) kept with its next two rows, then three more rows.
        const std::vector<PageFit::TFlowRow> rows = {{65, 0, -1}, {20, 2, 1}, {10, 0, 1}, {10, 0, 1},
                                                     {30, 0, 1},  {30, 0, 1}, {30, 0, 1}};
        const PageFit::TFlowPages pages = PageFit::flow(rows, 100, [](int) { return 15.0; });
        QCOMPARE(pages.size(), std::size_t(3));
        // The heading and its two rows need 40 where 35 are left: they move together.
        QCOMPARE(pages[0].size(), std::size_t(1));
        QCOMPARE(pages[1].front().row, 1);
        QCOMPARE(pages[1].back().row, 5);
        // The group goes on over the break: its heading opens the next page.
        QCOMPARE(pages[2].front().row, -1);
        QCOMPARE(pages[2].front().repeatOf, 1);
        QCOMPARE(pages[2].back().row, 6);
    }
};

QTEST_MAIN(TestPageFit)
#include "tst_pagefit.moc"
