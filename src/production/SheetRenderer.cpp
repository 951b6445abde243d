#include "production/SheetRenderer.h"

#include "model/Errors.h"
#include "model/FileErrors.h"
#include "production/Fonts.h"
#include "production/PageFit.h"
#include "production/PdfFile.h"
#include "production/ReportPage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace SheetRenderer {

namespace {

enum Rules { Left = 1, Top = 2, Right = 4, Bottom = 8, Box = 15 };

// Printable area: 5 mm left and right, 10 mm top, at 96 dpi.
constexpr double MarginLeft = 19;
constexpr double MarginTop = 38;
constexpr double BandWidth = 756;
constexpr double HeaderHeight = 53;
constexpr double BodyHeight = 1014;
// A wrapped text gets no smaller than this; a line is narrowed to no less than this share of its width.
constexpr int SmallestWrappedPixels = 11;
constexpr double NarrowestFactor = 0.6;

class TPagePainter {
public:
    explicit TPagePainter(QPainter& painter) : p(painter) {}

    void rules(const QRectF& r, int which) {
        p.setPen(QPen(Qt::black, 1));
        if (which & Left) p.drawLine(QLineF(r.left(), r.top(), r.left(), r.bottom()));
        if (which & Top) p.drawLine(QLineF(r.left(), r.top(), r.right(), r.top()));
        if (which & Right) p.drawLine(QLineF(r.right(), r.top(), r.right(), r.bottom()));
        if (which & Bottom) p.drawLine(QLineF(r.left(), r.bottom(), r.right(), r.bottom()));
    }

    void text(double x, double y, double w, double h, const QString& value, const QFont& font, int which,
              int align = Qt::AlignCenter, bool wrap = false) {
        const QRectF box(x, y, w, h);
        // A box that reaches past its band shows its text in the part that is printed.
        const QRectF r = band.isNull() ? box : box.intersected(band);
        p.save();
        p.setClipRect(r.adjusted(0, 0, 1, 1), Qt::IntersectClip);
        p.setFont(font);
        p.setPen(Qt::black);
        // A wrapping box is the order name's, whose foot the row below overlaps by 4 pixels.
        if (wrap)
            wrapped(r.adjusted(1, 0, -1, -4), align, value);
        else
            fitted(r.adjusted(1, 0, -1, 0), align, value);
        p.restore();
        rules(box, which);
    }

    // Lines in their box, the font made smaller until they fit; what still does not fit ends in "…".
    void wrapped(const QRectF& r, int align, const QString& value) {
        const PageFit::TFittedText fit = PageFit::fitted(value, p.font(), r.size(), SmallestWrappedPixels);
        p.setFont(fit.font);
        const double top = r.top() + std::max(0.0, (r.height() - fit.lines.size() * fit.lineHeight) / 2);
        for (qsizetype i = 0; i < fit.lines.size(); ++i)
            p.drawText(QRectF(r.left(), top + i * fit.lineHeight, r.width(), fit.lineHeight),
                       (align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, fit.lines[i]);
    }

    // One line in its box; a text wider than the box is narrowed to fit instead of being cut, down to
    // a width still easy to read, and shortened with "…" beyond that.
    void fitted(const QRectF& r, int align, const QString& text) {
        const QString value = PageFit::elided(text, p.font(), r.width() / NarrowestFactor);
        const double width = QFontMetricsF(p.font()).horizontalAdvance(value);
        if (width <= r.width() || width <= 0) {
            p.drawText(r, align, value);
            return;
        }
        const double factor = r.width() / width;
        p.save();
        p.translate(r.left(), 0);
        p.scale(factor, 1);
        p.drawText(QRectF(0, r.top(), r.width() / factor, r.height()), align, value);
        p.restore();
    }

    // A column of lines, each `lineHeight` high from the top, cut off at the box's bottom edge.
    void lines(double x, double y, double w, double h, const QStringList& values, const QFont& font, double lineHeight,
               int which) {
        const QRectF r(x, y, w, h);
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        p.setFont(font);
        p.setPen(Qt::black);
        for (qsizetype i = 0; i < values.size() && i * lineHeight < h; ++i)
            fitted(QRectF(x + 1, y + i * lineHeight, w - 2, lineHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                   values.at(i));
        p.restore();
        rules(r, which);
    }

    QPainter& p;
    QRectF band; // the band being painted, in its own coordinates
};

void paintHeader(TPagePainter& d, const TReportPage& page) {
    using Fonts::trebuchet;
    d.text(0, 0, 625, 36, page.orderName, trebuchet(27, true), Box, Qt::AlignCenter, true);
    d.text(624, 0, 131, 33, page.cabinetSets, trebuchet(19, true), Box);
    d.text(0, 32, 136, 21, QStringLiteral("Dolap Genişlik"), trebuchet(13, true), Box);
    d.text(134, 32, 136, 21, page.openingWidth, trebuchet(13, true), Top | Bottom | Left);
    d.text(269, 32, 124, 21, QStringLiteral("Dolap Yükseklik"), trebuchet(13, true), Box);
    d.text(392, 32, 124, 36, page.openingHeight, trebuchet(13, true), Top | Bottom | Left);
    d.text(515, 32, 111, 21, QStringLiteral("Teslim Tarihi"), trebuchet(13, true), Box);
    d.text(624, 32, 131, 21, page.deliveryDate, trebuchet(13, true), Box);
}

void paintDoors(TPagePainter& d, const TReportPage& page) {
    using Fonts::trebuchet;
    static const int xs[] = {5, 97, 189, 281, 373, 465};
    for (int door = 1; door <= 6; ++door) {
        const double x = xs[door - 1];
        if (page.pictureHeights[door] > 0 && !page.pictures[door].isNull())
            d.p.drawImage(QRectF(x, 5, 90, page.pictureHeights[door]), page.pictures[door]);
        d.text(x, 305, door == 1 ? 89 : 90, 17, page.doorWidths[door], trebuchet(11, true), Box);
    }
    d.rules(QRectF(556, 0, 0, 305), Left);
    d.text(556, 305, 110, 17, QStringLiteral(" Kapak Boy ( cm )"), trebuchet(11), Box);
    d.text(665, 305, 90, 17, page.doorHeight, Fonts::arial(13, true), Box);

    const QString captions[] = {QStringLiteral(" Profil Rengi"),      QStringLiteral(" Profil Modeli"),
                                QStringLiteral(" Teslimat"),          QStringLiteral(" Montaj"),
                                QStringLiteral(" Cam Fitili (m)"),    QStringLiteral(" Toz Fitili (m)"),
                                QStringLiteral(" Çarpma Fitili (m)"), QStringLiteral(" Tekerlek Mekanizma (Tkm)")};
    const QString values[] = {page.profileColour, page.profileModel, page.delivery,     page.assembly,
                              page.glassGasket,   page.dustGasket,   page.impactGasket, page.mechanisms};
    const int ys[] = {1, 18, 35, 52, 69, 86, 102, 119};
    for (int row = 0; row < 8; ++row) {
        const bool mechanism = row == 7;
        // The caption keeps a gap before its value box, narrowed to fit if it must.
        const double width = mechanism ? 151 : 91;
        d.text(560, ys[row], width - 4, 17, captions[row], trebuchet(11, true), 0, Qt::AlignLeft | Qt::AlignVCenter);
        d.rules(QRectF(560, ys[row], width, 17), Top | Bottom | Left);
        d.text(mechanism ? 711 : 650, ys[row], mechanism ? 42 : 105, 17, values[row], Fonts::arial(11), Box);
    }
}

void paintHoles(TPagePainter& d, const TReportPage& page) {
    d.text(0, 331, 756, 17,
           QStringLiteral("Yan Profillerin Ara Bağlantı Delik Ölçüleri - Ölçüler Kapak Profilinin Üst Kısmından Baz "
                          "Alınmıştır"),
           Fonts::trebuchet(13, true, true), Top | Bottom);
    static const int titleX[] = {0, 134, 269, 392, 515, 624};
    static const int titleW[] = {135, 136, 124, 124, 110, 131};
    static const int listX[] = {0, 136, 271, 394, 518, 626};
    static const int listW[] = {136, 135, 123, 123, 108, 129};
    const QFont listFont = Fonts::arial(9);
    const double lineHeight = QFontMetricsF(listFont).lineSpacing();
    for (int door = 1; door <= 6; ++door) {
        QFont titleFont = Fonts::arial(13, true);
        titleFont.setItalic(door == 3);
        d.text(titleX[door - 1], 347, titleW[door - 1], 17, QStringLiteral("%1 . Kapak").arg(door), titleFont, Box);
        d.lines(listX[door - 1], 368, listW[door - 1], 225, page.holes[door], listFont, lineHeight, Right);
    }
}

void paintLists(TPagePainter& d, const TReportPage& page) {
    using Fonts::trebuchet;
    const QFont title = trebuchet(16, true);
    d.text(0, 592, 262, 25, QStringLiteral("Kapak Malzemesi (Panel)"), title, Box);
    d.text(261, 592, 239, 25, QStringLiteral("Kapak Malzemesi (Cam)"), title, Box);
    d.text(500, 592, 255, 25, QStringLiteral("Profil Listesi"), title, Box);
    const QFont head = trebuchet(13, true);
    const QString columns = QStringLiteral("En(cm)-Boy(cm)-Malzeme");
    const QString count = QStringLiteral("Adet");
    d.text(0, 616, 25, 19, QStringLiteral("NO"), head, Box);
    d.text(23, 616, 196, 19, columns, head, Box);
    d.text(217, 616, 45, 19, count, head, Box);
    d.text(261, 616, 196, 19, columns, head, Box);
    d.text(456, 616, 45, 19, count, head, Box);
    d.text(501, 616, 196, 19, columns, head, Box);
    d.text(696, 616, 58, 19, count, head, Box);

    const QFont body = trebuchet(11);
    const double lineHeight = 16; // 20 lines in 320 pixels
    QStringList numbers;
    for (int i = 1; i <= 20; ++i)
        numbers << QString::number(i);
    d.lines(0, 634, 25, 320, numbers, body, lineHeight, Box);
    d.lines(24, 634, 196, 320, page.panelLines, body, lineHeight, Box);
    d.lines(218, 634, 45, 320, page.panelCounts, body, lineHeight, Box);
    d.lines(262, 634, 196, 320, page.glassLines, body, lineHeight, Box);
    d.lines(457, 634, 45, 320, page.glassCounts, body, lineHeight, Box);
    d.lines(502, 634, 196, 320, page.profileLines, body, lineHeight, Box);
    d.lines(697, 634, 58, 320, page.profileCounts, body, lineHeight, Box);
}

void paintFoot(TPagePainter& d, const TReportPage& page) {
    d.text(0, 955, 755, 38, page.firm, Fonts::comicSans(19, true), Bottom);
    d.text(0, 991, 755, 20, QStringLiteral("Doravel 3       -      Raylı Kapak Tasarım ve Üretim Programı"),
           Fonts::trebuchet(11), 0);
}

} // namespace

void paint(QPainter& painter, const QRectF& pageRect, const TReportPage& page) {
    painter.save();
    painter.translate(pageRect.topLeft());
    painter.scale(pageRect.width() / PageWidth, pageRect.height() / PageHeight);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.fillRect(QRectF(0, 0, PageWidth, PageHeight), Qt::white);
    painter.translate(MarginLeft, MarginTop);
    TPagePainter d(painter);

    painter.save();
    painter.setClipRect(QRectF(0, 0, BandWidth + 1, HeaderHeight + 1));
    d.band = QRectF(0, 0, BandWidth, HeaderHeight);
    paintHeader(d, page);
    painter.restore();
    d.rules(QRectF(0, 0, BandWidth, HeaderHeight), Left | Right | Bottom);

    painter.save();
    painter.translate(0, HeaderHeight);
    painter.setClipRect(QRectF(0, 0, BandWidth + 1, BodyHeight + 1));
    d.band = QRectF(0, 0, BandWidth, BodyHeight);
    paintDoors(d, page);
    paintHoles(d, page);
    paintLists(d, page);
    paintFoot(d, page);
    painter.setClipping(false);
    d.rules(QRectF(0, 0, BandWidth, BodyHeight), Left | Right | Bottom);
    painter.restore();

    // the 2-pixel frame along the top, left and right of the printable area
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QLineF(0, 0, BandWidth, 0));
    painter.drawLine(QLineF(0, 0, 0, HeaderHeight + BodyHeight));
    painter.drawLine(QLineF(BandWidth, 0, BandWidth, HeaderHeight + BodyHeight));
    painter.restore();
}

QString pdfTitle(const QString& orderName) {
    // The title is a label for the viewer's window: the first line of the name, kept short.
    QString title = orderName.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (title.size() > MaxPdfTitle) title = title.left(MaxPdfTitle - 1) + QChar(0x2026);
    return title;
}

void writePdf(const QString& path, const TReportPage& page) {
    PdfFile::write(path, pdfTitle(page.orderName),
                   [&](QPainter& painter, QPdfWriter&, const QRectF& sheet) { paint(painter, sheet, page); });
}

} // namespace SheetRenderer
