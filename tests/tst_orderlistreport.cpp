#include "model/Clock.h"
#include "production/Fonts.h"
#include "production/OrderListReport.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct TWord {
    int page;
    QString text;
    QRectF box; // millimetres from the sheet's top left corner
};

// The words of every page of a PDF with their boxes, read with pdftotext.
QList<TWord> pdfWords(const QString& pdf, int* pages) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression token(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const double toMm = 25.4 / 72.0;
    QList<TWord> words;
    int page = -1;
    for (auto match = token.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * toMm,
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * toMm);
        words << TWord{page, m.captured(5), box};
    }
    *pages = page + 1;
    return words;
}

// A caption may stand a little wider than its column; a figure stays inside.
bool hasWordInside(const QList<TWord>& words, int page, const QString& text, const QRectF& cell, double spill = 0.2) {
    const QRectF allowed = cell.adjusted(-spill, -0.6, spill, 0.6);
    for (const TWord& word : words)
        if (word.page == page && word.text == text && allowed.contains(word.box)) return true;
    return false;
}

QList<TOrderListRow> orders(int count) {
    QList<TOrderListRow> rows;
    for (int i = 0; i < count; ++i) {
        TOrderListRow r;
        r.sno = count - i;
        r.musteriadi = QStringLiteral("Şahin%1").arg(i);
        r.siparisadi = QStringLiteral("Dolap%1").arg(i);
        r.dolapen = 100 + i;
        r.dolapboy = 200 + i;
        r.kapaksayi = 2 + i % 5;
        r.dolapadet = QString::number(1 + i % 3);
        r.teslimtarihi = QDate(2026, 12, 1).addDays(i);
        r.geneltoplam = 99999;
        r.stutar = 15000 + i;
        r.alinan = 500 + i;
        r.kalan = i % 4 == 0 ? -(100 + i) : 14500;
        r.note = QStringLiteral("Not%1").arg(i);
        rows << r;
    }
    return rows;
}

QStringList cells(const TOrderListRow& r) {
    return {QString::number(r.sno),
            r.musteriadi,
            r.siparisadi,
            QString::number(r.dolapen),
            QString::number(r.dolapboy),
            QString::number(r.kapaksayi),
            r.dolapadet,
            DisplayDate::text(r.teslimtarihi),
            QString::number(r.stutar),
            QString::number(r.alinan),
            QString::number(r.kalan),
            r.note};
}

} // namespace

// The printed order list written to PDF and read back: title, captions and every figure in its column.
class TestOrderListReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::installSubstitutes(); }

    void pagesAsTheRowsNeed_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty listing") << 0 << 1;
        QTest::newRow("one full first page") << 60 << 1;
        QTest::newRow("one more") << 61 << 2;
        QTest::newRow("three pages") << 123 << 3;
    }
    void pagesAsTheRowsNeed() {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QCOMPARE(OrderListReport::pageCount(rows), pages);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
        OrderListReport::writePdf(pdf, orders(rows));
        int pdfPages = 0;
        const QList<TWord> words = pdfWords(pdf, &pdfPages);
        QCOMPARE(pdfPages, pages);
        // The title once, on the first page, 84.7 mm into the band; the captions on every page.
        int titles = 0;
        for (const TWord& word : words)
            if (word.text == QStringLiteral("Sipariş") && word.box.left() > 80) {
                QCOMPARE(word.page, 0);
                QVERIFY2(qAbs(word.box.left() - 94.7) < 1.0, qPrintable(QString::number(word.box.left())));
                QVERIFY(word.box.top() > 9.8 && word.box.bottom() < 17.4);
                ++titles;
            }
        QCOMPARE(titles, 1);
        for (int page = 0; page < pages; ++page) {
            const double top = page == 0 ? 17.1 : 10;
            for (const OrderListReport::TColumn& column : OrderListReport::columns()) {
                const QRectF cell(10 + column.left, top, column.width, OrderListReport::HeaderHeightMm);
                for (const QString& part : QString::fromUtf8(column.caption).split(QLatin1Char(' ')))
                    QVERIFY2(hasWordInside(words, page, part, cell, 0.7),
                             qPrintable(QStringLiteral("page %1: %2").arg(page + 1).arg(part)));
            }
        }
    }

    void everyFigureStandsInItsColumn_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("60 orders") << 60;
        QTest::newRow("70 orders, two pages") << 70;
    }
    void everyFigureStandsInItsColumn() {
        QFETCH(int, rows);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
        const QList<TOrderListRow> list = orders(rows);
        OrderListReport::writePdf(pdf, list);
        if (qEnvironmentVariableIsSet("KEEP_PDF")) QFile::copy(pdf, qEnvironmentVariable("KEEP_PDF"));
        int pages = 0;
        const QList<TWord> words = pdfWords(pdf, &pages);
        for (int i = 0; i < list.size(); ++i) {
            const bool first = i < OrderListReport::rowsOnFirstPage();
            const int page =
                first ? 0 : 1 + (i - OrderListReport::rowsOnFirstPage()) / OrderListReport::rowsOnLaterPages();
            const int onPage =
                first ? i : (i - OrderListReport::rowsOnFirstPage()) % OrderListReport::rowsOnLaterPages();
            const double top = 10 + (page == 0 ? 7.1 : 0) + 5.0 + onPage * 4.2;
            const QStringList texts = cells(list[i]);
            for (int c = 0; c < texts.size(); ++c) {
                const OrderListReport::TColumn& column = OrderListReport::columns()[c];
                const QRectF cell(10 + column.left, top, column.width, OrderListReport::DetailHeightMm);
                QVERIFY2(hasWordInside(words, page, texts[c], cell),
                         qPrintable(QStringLiteral("order %1, %2: %3").arg(list[i].sno).arg(column.caption, texts[c])));
            }
        }
        // The grand total is the grid's figure, never the printed list's.
        for (const TWord& word : words)
            QVERIFY(word.text != QLatin1String("99999"));
    }

    // Order numbers of any length and amounts up to the limit print whole inside their columns.
    void largeFiguresStandWholeInTheirColumns_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("value");
        QTest::newRow("five-digit order number") << 0 << 99999;
        QTest::newRow("six-digit order number") << 0 << 123456;
        QTest::newRow("largest order number") << 0 << 2147483647;
        QTest::newRow("six-digit width") << 3 << 123456;
        QTest::newRow("order amount at the limit") << 8 << 1000000000;
        QTest::newRow("remaining amount at minus the limit") << 10 << -1000000000;
    }
    void largeFiguresStandWholeInTheirColumns() {
        QFETCH(int, column);
        QFETCH(int, value);
        QList<TOrderListRow> list = orders(1);
        int* field = column == 0   ? &list[0].sno
                     : column == 3 ? &list[0].dolapen
                     : column == 8 ? &list[0].stutar
                                   : &list[0].kalan;
        *field = value;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
        OrderListReport::writePdf(pdf, list);
        int pages = 0;
        const QList<TWord> words = pdfWords(pdf, &pages);
        const OrderListReport::TColumn& c = OrderListReport::columns()[column];
        const QRectF cell(10 + c.left, 10 + 7.1 + 5.0, c.width, OrderListReport::DetailHeightMm);
        QVERIFY2(hasWordInside(words, 0, QString::number(value), cell), qPrintable(QString::number(value)));
    }

    // Up to the limit the preview is made at once; beyond it only after Yes (Enter answers No).
    void longListIsPreviewedOnlyAfterYes() {
        TScriptedMessages messages;
        int atLimit = OrderListReport::rowsOnFirstPage() +
                      (OrderListReport::PreviewPageLimit - 1) * OrderListReport::rowsOnLaterPages();
        QCOMPARE(OrderListReport::pageCount(atLimit), OrderListReport::PreviewPageLimit);
        QVERIFY(OrderListReport::confirmLength(atLimit));
        QVERIFY(OrderListReport::confirmLength(0));
        QCOMPARE(messages.asked, QStringList());
        messages.answers = {false, true};
        QVERIFY(!OrderListReport::confirmLength(atLimit + 1));
        QVERIFY(OrderListReport::confirmLength(100000));
        QCOMPARE(messages.asked,
                 QStringList({OrderListReportTexts::longList.arg(atLimit + 1).arg(301),
                              OrderListReportTexts::longList.arg(100000).arg(OrderListReport::pageCount(100000))}));
    }

    void longTextEndsInsideItsColumn() {
        QList<TOrderListRow> list = orders(1);
        list[0].note = QStringLiteral("Montajdan önce mutlaka arayınız, kapıcıya anahtar bırakılacak");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
        OrderListReport::writePdf(pdf, list);
        int pages = 0;
        const OrderListReport::TColumn& note = OrderListReport::columns().last();
        for (const TWord& word : pdfWords(pdf, &pages))
            if (word.box.top() > 22 && word.box.bottom() < 26.5 && word.box.left() > 10 + note.left - 0.2)
                QVERIFY2(word.box.right() < 10 + note.left + note.width + 0.2, qPrintable(word.text));
    }
};

QTEST_MAIN(TestOrderListReport)
#include "tst_orderlistreport.moc"
