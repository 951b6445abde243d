#include "production/SheetPlanRenderer.h"

#include "model/NumberText.h"
#include "production/Fonts.h"
#include "production/PdfFile.h"
#include "production/SheetPlan.h"
#include "production/SheetRenderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using NumberText::round2Text;

constexpr double PageWidth = 794;
constexpr double PageHeight = 1123;
constexpr double Left = 38;
constexpr double Right = PageWidth - 38;
constexpr double ContentTop = 104;
constexpr double ContentBottom = PageHeight - 56;
// A sheet is drawn at most this high, so that two sheets, or two materials of one sheet each, share a page.
constexpr double MaxDrawingHeight = 330;
constexpr double DrawingLeft = Left + 18; // room for the numbers of the cuts that start at the left edge
constexpr double DrawingWidth = Right - DrawingLeft - 4;
constexpr double SheetTitleHeight = 24;
constexpr double HeadingHeight = 52;

const QColor k_problemColour(170, 0, 0);

QColor stageColour(int stage) {
    switch (stage) {
    case 1:
        return QColor(200, 0, 0);
    case 2:
        return QColor(0, 80, 200);
    default:
        return QColor(0, 130, 0);
    }
}

double drawingScale(const TPlannedSheet& sheet) {
    if (sheet.width <= 0 || sheet.height <= 0) return 1;
    return std::min(DrawingWidth / sheet.width, MaxDrawingHeight / sheet.height);
}

// The height of a text wrapped to the width.
double wrappedHeight(const QString& text, const QFont& font, double width) {
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 10000), Qt::TextWordWrap, text).height();
}

QFont problemFont() {
    return Fonts::arial(12, true);
}

struct TRow {
    enum Type { Heading, Sheet, Summary, Problem, Nothing, TotalsTitle, TotalsLine, TotalsSum } type;
    int material = -1;
    int index = -1; // sheet or problem; 1 on a heading repeated after a page break
    double height = 0;
};

using TPages = std::vector<std::vector<TRow>>;

double keptTogether(const std::vector<TRow>& rows, std::size_t i) {
    double need = rows[i].height;
    if ((rows[i].type == TRow::Heading || rows[i].type == TRow::TotalsTitle) && i + 1 < rows.size())
        return need + keptTogether(rows, i + 1);
    return need;
}

TPages layout(const TSheetCuttingPlan& plan) {
    std::vector<TRow> rows;
    for (int m = 0; m < static_cast<int>(plan.materials.size()); ++m) {
        const TMaterialSheetPlan& material = plan.materials[static_cast<std::size_t>(m)];
        if (material.sheets.empty() && material.problems.isEmpty()) continue;
        rows.push_back({TRow::Heading, m, -1, HeadingHeight});
        for (int s = 0; s < static_cast<int>(material.sheets.size()); ++s) {
            const TPlannedSheet& sheet = material.sheets[static_cast<std::size_t>(s)];
            rows.push_back({TRow::Sheet, m, s, SheetTitleHeight + sheet.height * drawingScale(sheet) + 16});
        }
        for (int p = 0; p < material.problems.size(); ++p)
            rows.push_back(
                {TRow::Problem, m, p,
                 wrappedHeight(QStringLiteral("Kesilemeyen: ") + material.problems[p], problemFont(), Right - Left) +
                     6});
        rows.push_back({TRow::Summary, m, -1, 52});
    }
    if (rows.empty()) rows.push_back({TRow::Nothing, -1, -1, 30});
    rows.push_back({TRow::TotalsTitle, -1, -1, 52});
    for (int m = 0; m < static_cast<int>(plan.materials.size()); ++m)
        if (!plan.materials[static_cast<std::size_t>(m)].sheets.empty()) rows.push_back({TRow::TotalsLine, m, -1, 20});
    rows.push_back({TRow::TotalsSum, -1, -1, 44});

    TPages pages(1);
    double y = ContentTop;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double need = keptTogether(rows, i);
        if (y + need > ContentBottom && !pages.back().empty()) {
            pages.emplace_back();
            y = ContentTop;
            // A material that goes on over the page break gets its heading again.
            if (rows[i].material >= 0 && rows[i].type != TRow::Heading && rows[i].type != TRow::TotalsLine) {
                pages.back().push_back({TRow::Heading, rows[i].material, 1, HeadingHeight});
                y += HeadingHeight;
            }
        }
        pages.back().push_back(rows[i]);
        y += rows[i].height;
    }
    return pages;
}

class TPainterHelper {
public:
    explicit TPainterHelper(QPainter& painter) : p(painter) {}

    // The text elided at its end where it is wider than the box: nothing is cut off the page.
    void text(const QRectF& box, const QString& value, const QFont& font, int flags = Qt::AlignLeft | Qt::AlignVCenter,
              const QColor& colour = Qt::black) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(box, flags, QFontMetricsF(font).elidedText(value, Qt::ElideRight, box.width()));
    }
    void wrapped(const QRectF& box, const QString& value, const QFont& font, const QColor& colour) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, value);
    }
    double width(const QString& value, const QFont& font) const { return QFontMetricsF(font).horizontalAdvance(value); }

    QPainter& p;
};

// The largest of the fonts in which every line fits the box; none when even the smallest does not.
int fittingSize(const TPainterHelper& d, const QStringList& lines, const QSizeF& box, bool bold) {
    for (int size : {13, 11, 9, 8, 7}) {
        const QFont font = Fonts::arial(size, bold);
        const double lineHeight = QFontMetricsF(font).height();
        if (lineHeight * lines.size() > box.height()) continue;
        bool fits = true;
        for (const QString& line : lines)
            fits = fits && d.width(line, font) <= box.width();
        if (fits) return size;
    }
    return 0;
}

// The lines centred in the box; turned a quarter where the box is tall and narrow and they fit only so.
void boxText(TPainterHelper& d, const QRectF& box, QStringList lines, const QColor& colour) {
    const QRectF inner = box.adjusted(2, 1, -2, -1);
    if (inner.width() <= 0 || inner.height() <= 0) return;
    int size = fittingSize(d, lines, inner.size(), false);
    bool turned = false;
    if (size == 0 && inner.height() > inner.width()) {
        size = fittingSize(d, lines, inner.size().transposed(), false);
        turned = size > 0;
    }
    while (size == 0 && lines.size() > 1) {
        lines.removeLast();
        size = fittingSize(d, lines, inner.size(), false);
        if (size == 0 && inner.height() > inner.width()) {
            size = fittingSize(d, lines, inner.size().transposed(), false);
            turned = size > 0;
        }
    }
    if (size == 0) return; // too small for any text at all
    QPainter& p = d.p;
    p.save();
    p.setFont(Fonts::arial(size, false));
    p.setPen(colour);
    if (turned) {
        p.translate(inner.center());
        p.rotate(-90);
        p.drawText(QRectF(-inner.height() / 2, -inner.width() / 2, inner.height(), inner.width()), Qt::AlignCenter,
                   lines.join(QLatin1Char('\n')));
    } else {
        p.drawText(inner, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
    }
    p.restore();
}

void paintSheet(TPainterHelper& d, double y, const TMaterialSheetPlan& material, int index) {
    const TPlannedSheet& sheet = material.sheets[static_cast<std::size_t>(index)];
    QPainter& p = d.p;
    const double scale = drawingScale(sheet);
    d.text(QRectF(Left, y, Right - Left, SheetTitleHeight - 4),
           QStringLiteral("Levha %1 / %2   ·   %3 cm, boyu soldan sağa   ·   %4 parça   ·   %5 kesim")
               .arg(index + 1)
               .arg(material.sheets.size())
               .arg(SheetPlanTexts::size(sheet.width, sheet.height))
               .arg(sheet.pieces.size())
               .arg(sheet.cuts.size()),
           Fonts::arial(13, true));
    const double top = y + SheetTitleHeight;
    const QRectF outline(DrawingLeft, top, sheet.width * scale, sheet.height * scale);
    // Sheet coordinates run from the lower left corner, the page's downwards.
    auto rect = [&](double x, double yy, double w, double h) {
        return QRectF(outline.left() + x * scale, outline.top() + (sheet.height - yy - h) * scale, w * scale,
                      h * scale);
    };
    auto point = [&](double x, double yy) {
        return QPointF(outline.left() + x * scale, outline.top() + (sheet.height - yy) * scale);
    };
    p.fillRect(outline, QBrush(QColor(170, 170, 170), Qt::BDiagPattern)); // waste unless covered below
    if (material.trim > 0) {
        const QRectF usable =
            rect(material.trim, material.trim, sheet.width - 2 * material.trim, sheet.height - 2 * material.trim);
        p.setPen(QPen(QColor(120, 120, 120), 0.8, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(usable);
    }
    for (const TKeptRemnant& remnant : sheet.remnants) {
        const QRectF box = rect(remnant.x, remnant.y, remnant.width, remnant.height);
        p.setPen(QPen(QColor(60, 120, 60), 1));
        p.setBrush(QColor(205, 238, 205));
        p.drawRect(box);
        // en x boy like the pieces: the boy along the sheet's length
        boxText(d, box, {QStringLiteral("saklanacak"), SheetPlanTexts::size(remnant.height, remnant.width)},
                QColor(30, 90, 30));
    }
    for (const TPlacedPiece& piece : sheet.pieces) {
        const QRectF box = rect(piece.x, piece.y, piece.width, piece.height);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(225, 235, 250));
        p.drawRect(box);
        QStringList lines{piece.sizeText, piece.label};
        if (piece.rotated) lines.last() += QStringLiteral(" (döndü)");
        boxText(d, box, lines, Qt::black);
    }
    // The cuts, each numbered at the end where the saw starts it.
    for (std::size_t i = 0; i < sheet.cuts.size(); ++i) {
        const TPlannedCut& cut = sheet.cuts[i];
        p.setPen(QPen(stageColour(cut.stage), cut.stage == 1 ? 2.2 : 1.5));
        p.drawLine(point(cut.x1, cut.y1), point(cut.x2, cut.y2));
    }
    const QFont numberFont = Fonts::arial(9, true);
    for (std::size_t i = 0; i < sheet.cuts.size(); ++i) {
        const TPlannedCut& cut = sheet.cuts[i];
        const QString number = QString::number(i + 1);
        const double w = std::max(14.0, d.width(number, numberFont) + 6);
        QPointF at = point(cut.x1, cut.y1);
        const bool horizontal = std::abs(cut.y1 - cut.y2) < std::abs(cut.x1 - cut.x2);
        // A first-stage cut across the whole sheet carries its number outside the sheet.
        if (horizontal && at.x() <= outline.left() + 1 + material.trim * scale)
            at.rx() = outline.left() - w / 2 - 2;
        else if (!horizontal && at.y() >= outline.bottom() - 1 - material.trim * scale)
            at.ry() = outline.bottom() + 7;
        else if (horizontal)
            at.rx() += w / 2 + 1;
        else
            at.ry() -= 8;
        const QRectF badge(at.x() - w / 2, at.y() - 7, w, 14);
        p.setPen(QPen(stageColour(cut.stage), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(badge, 6, 6);
        d.text(badge, number, numberFont, Qt::AlignCenter, stageColour(cut.stage));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(outline);
}

QString provenText(bool proven) {
    return proven ? QStringLiteral("en az levha: kanıtlandı")
                  : QStringLiteral("en az levha kanıtlanamadı (süre sınırı; en iyi bulunan plan)");
}

QString percent(double value) {
    return NumberText::fromFloat(std::round(value * 10) / 10) + QStringLiteral(" %");
}

void paintSummary(TPainterHelper& d, double y, const TMaterialSheetPlan& m) {
    const QRectF box(Left, y + 4, Right - Left, 40);
    d.p.fillRect(box, QColor(242, 242, 242));
    d.text(box.adjusted(8, 2, -8, -20),
           QStringLiteral("%1: %2 levha   ·   alt sınır %3   ·   %4")
               .arg(m.title())
               .arg(m.sheets.size())
               .arg(m.lowerBound)
               .arg(provenText(m.proven)),
           Fonts::arial(12, true), Qt::AlignLeft | Qt::AlignVCenter, m.proven ? Qt::black : k_problemColour);
    d.text(box.adjusted(8, 20, -8, -2),
           QStringLiteral("Levha alanı %1 m²   ·   parçalar %2 m²   ·   saklanacak artık %3 m²   ·   fire %4")
               .arg(SheetPlanTexts::squareMetres(m.sheetArea()), SheetPlanTexts::squareMetres(m.pieceArea),
                    SheetPlanTexts::squareMetres(m.keptArea()), percent(m.wastePercent())),
           Fonts::arial(12));
}

// Columns of the totals table: material, stock, sheets, bound, sheet area, piece area, waste.
const double k_columns[] = {Left, Left + 190, Left + 320, Left + 385, Left + 460, Left + 550, Left + 640, Right};

void totalsLine(TPainterHelper& d, double y, double height, const QStringList& cells, bool bold) {
    const QFont font = Fonts::arial(12, bold);
    for (int c = 0; c < cells.size(); ++c)
        d.text(QRectF(k_columns[c] + 4, y, k_columns[c + 1] - k_columns[c] - 8, height), cells[c], font,
               (c < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    d.p.setPen(QPen(QColor(160, 160, 160), 0.5));
    d.p.drawLine(QLineF(Left, y + height, Right, y + height));
}

void paintRow(TPainterHelper& d, double y, const TRow& row, const TSheetCuttingPlan& plan) {
    const TMaterialSheetPlan* m = row.material >= 0 ? &plan.materials[static_cast<std::size_t>(row.material)] : nullptr;
    switch (row.type) {
    case TRow::Heading: {
        const QString details =
            QStringLiteral("levha %1 cm   ·   %2   ·   testere payı %3 cm   ·   kenar payı %4 cm   ·   %5 parça")
                .arg(m->stockText,
                     m->rotate ? QStringLiteral("döndürülebilir")
                               : QStringLiteral("döndürülmez: parça boyu levha boyu yönünde"),
                     round2Text(m->kerf), round2Text(m->trim))
                .arg(m->pieces);
        d.text(QRectF(Left, y + 2, Right - Left, 26),
               row.index == 1 ? m->title() + QStringLiteral(" (devam)") : m->title(), Fonts::trebuchet(19, true));
        d.text(QRectF(Left, y + 28, Right - Left, 18), details, Fonts::arial(12));
        d.p.setPen(QPen(Qt::black, 1.5));
        d.p.drawLine(QLineF(Left, y + HeadingHeight - 2, Right, y + HeadingHeight - 2));
        break;
    }
    case TRow::Sheet:
        paintSheet(d, y + 4, *m, row.index);
        break;
    case TRow::Problem:
        d.wrapped(QRectF(Left, y + 2, Right - Left, row.height),
                  QStringLiteral("Kesilemeyen: ") + m->problems[row.index], problemFont(), k_problemColour);
        break;
    case TRow::Summary:
        paintSummary(d, y, *m);
        break;
    case TRow::Nothing:
        d.text(QRectF(Left, y, Right - Left, 30), QStringLiteral("Kesilecek panel ya da cam yok."), Fonts::arial(14));
        break;
    case TRow::TotalsTitle:
        d.text(QRectF(Left, y + 4, Right - Left, 26), QStringLiteral("Sipariş Toplamı"), Fonts::trebuchet(19, true));
        totalsLine(d, y + 30, 22,
                   {QStringLiteral("Malzeme"), QStringLiteral("Levha (cm)"), QStringLiteral("Levha"),
                    QStringLiteral("Alt sınır"), QStringLiteral("Alan (m²)"), QStringLiteral("Parça (m²)"),
                    QStringLiteral("Fire")},
                   true);
        break;
    case TRow::TotalsLine:
        totalsLine(d, y, 20,
                   {m->title(), m->stockText, QString::number(m->sheets.size()),
                    QString::number(m->lowerBound) + (m->proven ? QString() : QStringLiteral(" *")),
                    SheetPlanTexts::squareMetres(m->sheetArea()), SheetPlanTexts::squareMetres(m->pieceArea),
                    percent(m->wastePercent())},
                   false);
        break;
    case TRow::TotalsSum:
        totalsLine(d, y, 22,
                   {QStringLiteral("Toplam"), QString(), QString::number(plan.sheets()),
                    QString::number(plan.lowerBound()), SheetPlanTexts::squareMetres(plan.sheetArea()),
                    SheetPlanTexts::squareMetres(plan.pieceArea()), percent(plan.wastePercent())},
                   true);
        d.text(QRectF(Left, y + 24, Right - Left, 18),
               plan.proven() ? QStringLiteral("Her malzemede en az levha kanıtlandı.")
                             : QStringLiteral("* Bu malzemede en az levha süre sınırında kanıtlanamadı."),
               Fonts::arial(11), Qt::AlignLeft | Qt::AlignVCenter, plan.proven() ? Qt::black : k_problemColour);
        break;
    }
}

void paintFrame(TPainterHelper& d, const TSheetCuttingPlan& plan, int page, int pages) {
    const QString title =
        plan.orderName.isEmpty() ? QStringLiteral("Levha Planı") : QStringLiteral("Levha Planı  —  ") + plan.orderName;
    d.text(QRectF(Left, 36, Right - Left, 32), title, Fonts::trebuchet(24, true));
    // The legend: what the labels and the numbers mean.
    QPainter& p = d.p;
    const QFont font = Fonts::arial(11);
    double x = Left;
    const QString head =
        QStringLiteral("Dolap Adet %1   ·   ölçüler cm, en x boy   ·   K: kapak, B: bölme   ·   kesim sırası: ")
            .arg(plan.cabinets.isEmpty() ? QStringLiteral("-") : plan.cabinets);
    d.text(QRectF(x, 68, Right - x, 20), head, font);
    x += d.width(head, font);
    const QString stages[] = {QStringLiteral("1. aşama"), QStringLiteral("2. aşama"), QStringLiteral("3. aşama")};
    for (int stage = 1; stage <= 3; ++stage) {
        p.setPen(QPen(stageColour(stage), stage == 1 ? 2.2 : 1.5));
        p.drawLine(QLineF(x + 2, 78, x + 16, 78));
        x += 20;
        const QString label = stages[stage - 1] + QStringLiteral("   ");
        d.text(QRectF(x, 68, std::max(0.0, Right - x), 20), label, font, Qt::AlignLeft | Qt::AlignVCenter,
               stageColour(stage));
        x += d.width(label, font);
    }
    d.p.setPen(QPen(Qt::black, 2));
    d.p.drawLine(QLineF(Left, 92, Right, 92));
    d.p.setPen(QPen(Qt::black, 1));
    d.p.drawLine(QLineF(Left, PageHeight - 48, Right, PageHeight - 48));
    d.text(QRectF(Left, PageHeight - 46, 400, 20), QStringLiteral("Doravel 3  -  Levha Planı"), Fonts::trebuchet(11));
    d.text(QRectF(Right - 200, PageHeight - 46, 200, 20), QStringLiteral("Sayfa %1 / %2").arg(page + 1).arg(pages),
           Fonts::trebuchet(11), Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

namespace SheetPlanRenderer {

int pageCount(const TSheetCuttingPlan& plan) {
    return static_cast<int>(layout(plan).size());
}

void paint(QPainter& painter, const QRectF& pageRect, const TSheetCuttingPlan& plan, int page) {
    const TPages pages = layout(plan);
    if (page < 0 || page >= static_cast<int>(pages.size())) return;
    painter.save();
    painter.translate(pageRect.topLeft());
    painter.scale(pageRect.width() / PageWidth, pageRect.height() / PageHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, PageWidth, PageHeight), Qt::white);
    TPainterHelper d(painter);
    paintFrame(d, plan, page, static_cast<int>(pages.size()));
    double y = ContentTop;
    for (const TRow& row : pages[static_cast<std::size_t>(page)]) {
        paintRow(d, y, row, plan);
        y += row.height;
    }
    painter.restore();
}

void paintAll(QPainter& painter, const QRectF& pageRect, const TSheetCuttingPlan& plan) {
    auto* device = dynamic_cast<QPagedPaintDevice*>(painter.device());
    const int pages = pageCount(plan);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && device) device->newPage();
        paint(painter, pageRect, plan, page);
    }
}

void writePdf(const QString& path, const TSheetCuttingPlan& plan) {
    PdfFile::write(path, SheetRenderer::pdfTitle(QStringLiteral("Levha Planı ") + plan.orderName),
                   [&](QPainter& painter, QPdfWriter&, const QRectF& sheet) { paintAll(painter, sheet, plan); });
}

} // namespace SheetPlanRenderer
