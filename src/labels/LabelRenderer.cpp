#include "labels/LabelRenderer.h"

#include "labels/Code128.h"
#include "labels/LabelSheet.h"
#include "labels/PieceLabels.h"
#include "model/Errors.h"
#include "model/NumberText.h"
#include "production/Fonts.h"
#include "production/PdfFile.h"
#include "production/SheetRenderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The layout of a 37 mm high label in millimetres; taller and lower labels scale the type.
constexpr double baseHeight = 37;
constexpr double padX = 2.5, padY = 2;
constexpr double barcodeSide = 1; // the quiet zones reach this close to the label's sides
constexpr double widestModule = 0.5;
constexpr double lowestBars = 5;
constexpr double barsGap = 0.8; // between the text and the bars
constexpr double lineSpacing = 1.18;

struct TTextSizes {
    double header = 3.3, name = 2.6, customer = 2.6, place = 3.1, size = 4.4, material = 2.8, code = 2.5;
};

double typeScale(const TLabelGeometry& g) {
    return std::clamp(g.height / baseHeight, 0.7, 1.6);
}

TTextSizes textSizes(const TLabelGeometry& g) {
    const double s = typeScale(g);
    TTextSizes t;
    t.header *= s;
    t.name *= s;
    t.customer *= s;
    t.place *= s;
    t.size *= s;
    t.material *= s;
    t.code *= s;
    return t;
}

double textBlockHeight(const TTextSizes& t) {
    return (t.header + t.name + t.customer + t.place + t.size + t.material) * lineSpacing;
}

double barsHeight(const TLabelGeometry& g) {
    const TTextSizes t = textSizes(g);
    return g.height - 2 * padY - textBlockHeight(t) - barsGap - t.code * lineSpacing;
}

double barcodeRoom(const TLabelGeometry& g) {
    return g.width - 2 * barcodeSide;
}

double moduleWidth(const TCode128& code, const TLabelGeometry& g) {
    return std::min(widestModule, barcodeRoom(g) / (code.modules + 2 * Code128::quietZone));
}

QFont font(double millimetres, double pxPerMm, bool bold) {
    QFont f = Fonts::arial(1, bold);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(millimetres * pxPerMm))));
    return f;
}

// Draws one line in `box`, the type made smaller (to three quarters) before anything is left out.
void drawLine(QPainter& painter, const QRectF& box, const QString& text, double millimetres, double pxPerMm, bool bold,
              Qt::Alignment align = Qt::AlignLeft) {
    if (text.isEmpty()) return;
    QFont f = font(millimetres, pxPerMm, bold);
    const int smallest = std::max(1, f.pixelSize() * 3 / 4);
    while (f.pixelSize() > smallest && QFontMetricsF(f, painter.device()).horizontalAdvance(text) > box.width())
        f.setPixelSize(f.pixelSize() - 1);
    painter.setFont(f);
    const QString shown = QFontMetricsF(f, painter.device()).elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, static_cast<int>(align | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
}

// The order number leads, as the pieces are sorted by it; an order not saved yet shows its name there.
QString headerText(const TLabelOrder& order) {
    return order.number.isEmpty() ? order.name : QStringLiteral("Sipariş %1").arg(order.number);
}

QString nameText(const TLabelOrder& order) {
    return order.number.isEmpty() ? QString() : order.name;
}

void drawLabel(QPainter& painter, const QRectF& rect, double pxPerMm, const TLabelOrder& order,
               const TPieceLabel& label, const TLabelGeometry& g) {
    const TTextSizes t = textSizes(g);
    const double left = rect.left() + padX * pxPerMm;
    const double width = rect.width() - 2 * padX * pxPerMm;
    double y = rect.top() + padY * pxPerMm;
    auto lineBox = [&](double size) {
        const QRectF box(left, y, width, size * lineSpacing * pxPerMm);
        y += box.height();
        return box;
    };

    painter.setPen(Qt::black);
    QRectF box = lineBox(t.header);
    const QString count = label.countText();
    const double countWidth =
        QFontMetricsF(font(t.header, pxPerMm, true), painter.device()).horizontalAdvance(count) + 1.5 * pxPerMm;
    drawLine(painter, box, count, t.header, pxPerMm, true, Qt::AlignRight);
    drawLine(painter, box.adjusted(0, 0, -countWidth, 0), headerText(order), t.header, pxPerMm, true);
    drawLine(painter, lineBox(t.name), nameText(order), t.name, pxPerMm, false);
    drawLine(painter, lineBox(t.customer), order.customer, t.customer, pxPerMm, false);
    const QString place =
        label.kind == TPieceLabel::Profile ? label.place : label.place + QStringLiteral(" · ") + label.kindText();
    drawLine(painter, lineBox(t.place), place, t.place, pxPerMm, true);
    drawLine(painter, lineBox(t.size), label.size, t.size, pxPerMm, true);
    drawLine(painter, lineBox(t.material), label.material, t.material, pxPerMm, false);

    const TCode128 code = Code128::encode(label.code);
    const double module = moduleWidth(code, g) * pxPerMm;
    const double barsTop = y + barsGap * pxPerMm;
    const double bars = barsHeight(g) * pxPerMm;
    const double barsLeft = rect.center().x() - module * code.modules / 2;
    for (const TCode128::TBar& bar : code.bars)
        painter.fillRect(QRectF(barsLeft + bar.start * module, barsTop, bar.width * module, bars), Qt::black);
    const QRectF codeBox(left, barsTop + bars, width, t.code * lineSpacing * pxPerMm);
    drawLine(painter, codeBox, label.code, t.code, pxPerMm, false, Qt::AlignHCenter);
}

} // namespace

namespace LabelRenderer {

void checkFit(const TPieceLabels& labels, const TLabelGeometry& geometry) {
    if (barsHeight(geometry) < lowestBars)
        throw TRefusal(QStringLiteral("%1 mm boyundaki etikete okunur bir barkod sığmıyor; en az %2 mm boyunda bir "
                                      "etiket seçin.")
                           .arg(NumberText::round2Text(geometry.height),
                                NumberText::round2Text(geometry.height - barsHeight(geometry) + lowestBars)));
    for (const TPieceLabel& label : labels.labels) {
        const TCode128 code = Code128::encode(label.code);
        const double needed = (code.modules + 2 * Code128::quietZone) * smallestModule + 2 * barcodeSide;
        if (needed > geometry.width + 1e-9)
            throw TRefusal(QStringLiteral("%1 parça kodu %2 mm enindeki etikete okunur bir barkodla sığmıyor: en az %3 "
                                          "mm gerekir. Daha geniş bir etiket seçin.")
                               .arg(label.code, NumberText::round2Text(geometry.width),
                                    NumberText::round2Text(std::ceil(needed * 10) / 10)));
    }
}

int pageCount(const TPieceLabels& labels, const TLabelGeometry& geometry) {
    return geometry.pageCount(static_cast<int>(labels.labels.size()));
}

void paint(QPainter& painter, const QRectF& pageRect, const TPieceLabels& labels, const TLabelGeometry& geometry,
           int page) {
    const double pxPerMm = pageRect.width() / geometry.page().width();
    painter.save();
    painter.fillRect(pageRect, Qt::white);
    for (std::size_t index = 0; index < labels.labels.size(); ++index) {
        int labelPage = 0, slot = 0;
        geometry.place(static_cast<int>(index), labelPage, slot);
        if (labelPage < page) continue;
        if (labelPage > page) break;
        const QRectF mm = geometry.labelRect(slot);
        const QRectF rect(pageRect.left() + mm.left() * pxPerMm, pageRect.top() + mm.top() * pxPerMm,
                          mm.width() * pxPerMm, mm.height() * pxPerMm);
        painter.save();
        painter.setClipRect(rect);
        drawLabel(painter, rect, pxPerMm, labels.order, labels.labels[index], geometry);
        painter.restore();
    }
    painter.restore();
}

void paintAll(QPainter& painter, const QRectF& pageRect, const TPieceLabels& labels, const TLabelGeometry& geometry) {
    auto* device = dynamic_cast<QPagedPaintDevice*>(painter.device());
    const int pages = pageCount(labels, geometry);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && device) device->newPage();
        paint(painter, pageRect, labels, geometry, page);
    }
}

void writePdf(const QString& path, const TPieceLabels& labels, const TLabelGeometry& geometry) {
    checkFit(labels, geometry);
    PdfFile::write(
        path, SheetRenderer::pdfTitle(QStringLiteral("Etiketler ") + labels.order.name), geometry.page(),
        [&](QPainter& painter, QPdfWriter&, const QRectF& page) { paintAll(painter, page, labels, geometry); });
}

} // namespace LabelRenderer
