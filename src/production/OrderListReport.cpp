#include "production/OrderListReport.h"

#include "model/Clock.h"
#include "model/Errors.h"
#include "model/Messages.h"
#include "production/Fonts.h"
#include "production/PdfFile.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace {

QString text(const TOrderListRow& r, int column) {
    switch (column) {
    case 0:
        return QString::number(r.sno);
    case 1:
        return r.musteriadi;
    case 2:
        return r.siparisadi;
    case 3:
        return QString::number(r.dolapen);
    case 4:
        return QString::number(r.dolapboy);
    case 5:
        return QString::number(r.kapaksayi);
    case 6:
        return r.dolapadet;
    case 7:
        return DisplayDate::text(r.teslimtarihi);
    case 8:
        return QString::number(r.stutar);
    case 9:
        return QString::number(r.alinan);
    case 10:
        return QString::number(r.kalan);
    default:
        return r.note;
    }
}

// S. No, En, Boy, Kapak, Tutar, Alınan, Kalan.
bool isFigure(int column) {
    return column == 0 || (column >= 3 && column <= 5) || (column >= 8 && column <= 10);
}

// Millimetres of the sheet to device pixels.
class TSheet {
public:
    TSheet(QPainter& painter, const QRectF& page) : m_painter(painter), m_page(page) {}
    double mm(double value) const { return value * m_page.width() / OrderListReport::PageWidthMm; }
    QRectF rect(double left, double top, double width, double height) const {
        return QRectF(m_page.left() + mm(OrderListReport::MarginMm + left), m_page.top() + mm(top), mm(width),
                      mm(height));
    }
    void line(double x1, double y1, double x2, double y2) {
        const double x0 = m_page.left() + mm(OrderListReport::MarginMm);
        m_painter.drawLine(QPointF(x0 + mm(x1), m_page.top() + mm(y1)), QPointF(x0 + mm(x2), m_page.top() + mm(y2)));
    }
    void font(double points, bool bold = false) {
        QFont f = Fonts::arial(std::max(1, int(std::lround(mm(points * 25.4 / 72)))), bold);
        m_painter.setFont(f);
    }
    // A figure or name that does not fit its box ends in an ellipsis, so it never runs into the next
    // column; a caption is always written whole.
    void text(const QRectF& box, const QString& value, Qt::Alignment alignment, bool whole = false) {
        const QRectF inner = box.adjusted(mm(0.3), 0, -mm(0.3), 0);
        if (whole) {
            m_painter.drawText(inner, int(alignment | Qt::AlignVCenter | Qt::TextDontClip), value);
            return;
        }
        const QString shown = m_painter.fontMetrics().elidedText(value, Qt::ElideRight, int(inner.width()));
        m_painter.drawText(inner, int(alignment | Qt::AlignVCenter), shown);
    }
    // A figure is always written whole: one wider than its box is drawn narrower, never cut short.
    void figure(const QRectF& box, const QString& value) {
        const QRectF inner = box.adjusted(mm(0.3), 0, -mm(0.3), 0);
        const double width = m_painter.fontMetrics().horizontalAdvance(value) * 1.02;
        if (width <= inner.width()) {
            m_painter.drawText(inner, int(Qt::AlignHCenter | Qt::AlignVCenter), value);
            return;
        }
        m_painter.save();
        m_painter.translate(inner.left(), 0);
        m_painter.scale(inner.width() / width, 1);
        m_painter.drawText(QRectF(0, inner.top(), width, inner.height()),
                           int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip), value);
        m_painter.restore();
    }

private:
    QPainter& m_painter;
    QRectF m_page;
};

constexpr double BandWidth = OrderListReport::PageWidthMm - 2 * OrderListReport::MarginMm;

void paintHeader(TSheet& sheet, double top) {
    using namespace OrderListReport;
    sheet.line(0, top, BandWidth, top);
    sheet.line(0, top, 0, top + HeaderHeightMm);
    sheet.line(BandWidth, top, BandWidth, top + HeaderHeightMm);
    sheet.font(8);
    for (int i = 0; i < columns().size(); ++i) {
        const TColumn& c = columns()[i];
        sheet.text(sheet.rect(c.left, top, c.width, HeaderHeightMm), QString::fromUtf8(c.caption),
                   i == 0 ? Qt::AlignLeft : Qt::AlignHCenter, true);
    }
}

void paintDetail(TSheet& sheet, double top, const TOrderListRow& row) {
    using namespace OrderListReport;
    const double bottom = top + DetailHeightMm;
    sheet.line(0, top, BandWidth, top);
    sheet.line(0, top, 0, bottom);
    sheet.line(BandWidth, top, BandWidth, bottom);
    sheet.font(8);
    for (int i = 0; i < columns().size(); ++i) {
        const TColumn& c = columns()[i];
        sheet.line(c.left, bottom, c.left + c.width, bottom);
        sheet.line(c.left + c.width, top, c.left + c.width, bottom);
        const QRectF box = sheet.rect(c.left, top, c.width, DetailHeightMm);
        if (isFigure(i))
            sheet.figure(box, text(row, i));
        else
            sheet.text(box, text(row, i), Qt::AlignHCenter);
    }
}

} // namespace

namespace OrderListReport {

const QList<TColumn>& columns() {
    static const QList<TColumn> list = {
        {"S. No", 0.0, 8.2},    {"Müşteri Adı", 8.2, 29.9}, {"Sipariş İsmi", 38.1, 29.9}, {"En", 68.0, 10.8},
        {"Boy", 78.8, 10.8},    {"Kapak", 89.7, 10.8},      {"Dolap", 100.5, 11.1},       {"Teslim Tarih", 111.7, 15.1},
        {"Tutar", 126.7, 13.0}, {"Alınan", 139.7, 13.0},    {"Kalan", 152.9, 13.0},       {"Not", 166.2, 23.8}};
    return list;
}

namespace {
double bodyHeight(bool first) {
    return PageHeightMm - 2 * MarginMm - FooterHeightMm - HeaderHeightMm - (first ? TitleHeightMm : 0);
}
} // namespace

int rowsOnFirstPage() {
    return int(std::floor(bodyHeight(true) / DetailHeightMm + 1e-9));
}

int rowsOnLaterPages() {
    return int(std::floor(bodyHeight(false) / DetailHeightMm + 1e-9));
}

int pageCount(int rows) {
    if (rows <= rowsOnFirstPage()) return 1;
    const int rest = rows - rowsOnFirstPage();
    return 1 + (rest + rowsOnLaterPages() - 1) / rowsOnLaterPages();
}

void paint(QPainter& painter, QPagedPaintDevice& device, const QRectF& pageRect, const QList<TOrderListRow>& rows) {
    TSheet sheet(painter, pageRect);
    QPen pen(Qt::black);
    pen.setWidthF(sheet.mm(0.2));
    painter.setPen(pen);
    const int pages = pageCount(int(rows.size()));
    int next = 0;
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        double top = MarginMm;
        if (page == 0) {
            sheet.font(14, true);
            sheet.text(sheet.rect(84.7, top, BandWidth - 84.7, TitleHeightMm), QStringLiteral("Sipariş Listesi"),
                       Qt::AlignLeft, true);
            top += TitleHeightMm;
        }
        paintHeader(sheet, top);
        top += HeaderHeightMm;
        const int count = page == 0 ? rowsOnFirstPage() : rowsOnLaterPages();
        for (int i = 0; i < count && next < rows.size(); ++i, ++next) {
            paintDetail(sheet, top, rows[next]);
            top += DetailHeightMm;
        }
        const double footer = PageHeightMm - MarginMm - FooterHeightMm;
        sheet.line(0, footer, BandWidth, footer);
    }
}

bool confirmLength(int rows) {
    const int pages = pageCount(rows);
    if (pages <= PreviewPageLimit) return true;
    return TMessages::askYesNo(OrderListReportTexts::longList.arg(rows).arg(pages), true);
}

void writePdf(const QString& path, const QList<TOrderListRow>& rows) {
    PdfFile::write(
        path, QStringLiteral("Sipariş Listesi"),
        [&](QPainter& painter, QPdfWriter& writer, const QRectF& sheet) { paint(painter, writer, sheet, rows); });
}

} // namespace OrderListReport
