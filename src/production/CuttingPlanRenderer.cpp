#include "production/CuttingPlanRenderer.h"

#include "model/Errors.h"
#include "model/FileErrors.h"
#include "model/NumberText.h"
#include "production/CuttingPlan.h"
#include "production/Fonts.h"
#include "production/PageFit.h"
#include "production/PdfFile.h"
#include "production/SheetRenderer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace {

using CuttingTexts::length;

constexpr double PageWidth = 794;
constexpr double PageHeight = 1123;
constexpr double Left = 38;
constexpr double Right = PageWidth - 38;
constexpr double ContentTop = 104;
constexpr double ContentBottom = PageHeight - 56;
constexpr double BarLeft = 118;
constexpr double BarHeight = 28;

struct TRow {
    enum Type { Heading, Pattern, Summary, Problem, TotalsTitle, TotalsLine, TotalsSum, Nothing } type;
    int kind = -1;
    int index = -1; // pattern or problem; 1 on a heading repeated after a page break
    double height = 0;
};

using TPages = std::vector<std::vector<TRow>>;

constexpr double HeadingHeight = 36;
constexpr double TotalsTitleHeight = 52;
constexpr double CutsTop = 38; // the pattern's "Kesilecek" line below its bar
constexpr double CutsLineHeight = 16;
constexpr double ProblemLineHeight = 18;
// The totals table's heading stands with its header and at least this many rows.
constexpr int TotalsRowsKept = 3;
constexpr int TotalsGroup = TCuttingSettings::KindCount;

QFont cutsFont() {
    return Fonts::arial(12);
}
QFont problemFont() {
    return Fonts::arial(12, true);
}

QString cutsText(const TCuttingPattern& pattern);
QString problemText(const TCuttingKind& k, int problem) {
    return QStringLiteral("Kesilemeyen: ") + k.problems[problem];
}
QStringList cutsLines(const TCuttingPattern& pattern) {
    return PageFit::wrapped(cutsText(pattern), cutsFont(), Right - BarLeft);
}
QStringList problemLines(const TCuttingKind& k, int problem) {
    return PageFit::wrapped(problemText(k, problem), problemFont(), Right - Left);
}

TPages layout(const TCuttingPlan& plan) {
    std::vector<TRow> rows;
    std::vector<PageFit::TFlowRow> flowRows;
    auto add = [&](const TRow& row, int group, int keepWithNext = 0) {
        rows.push_back(row);
        flowRows.push_back({row.height, keepWithNext, group});
    };
    for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind) {
        const TCuttingKind& k = plan.kinds[kind];
        if (k.patterns.empty() && k.problems.isEmpty()) continue;
        // A heading stays with the first bar below it, the last bar with the kind's figures.
        add({TRow::Heading, kind, -1, HeadingHeight}, kind, 1);
        const int patterns = static_cast<int>(k.patterns.size());
        for (int p = 0; p < patterns; ++p) {
            const double lines = static_cast<double>(cutsLines(k.patterns[static_cast<std::size_t>(p)]).size());
            add({TRow::Pattern, kind, p, 60 + (lines - 1) * CutsLineHeight}, kind,
                p == patterns - 1 ? static_cast<int>(k.problems.size()) + 1 : 0);
        }
        for (int p = 0; p < k.problems.size(); ++p)
            add({TRow::Problem, kind, p, 20 + (problemLines(k, p).size() - 1) * ProblemLineHeight}, kind);
        add({TRow::Summary, kind, -1, 52}, kind);
    }
    if (rows.empty()) add({TRow::Nothing, -1, -1, 30}, -1);
    int totalsLines = 1;
    for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind)
        totalsLines += plan.kinds[kind].bars > 0 ? 1 : 0;
    add({TRow::TotalsTitle, -1, -1, TotalsTitleHeight}, TotalsGroup, std::min(TotalsRowsKept, totalsLines));
    for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind)
        if (plan.kinds[kind].bars > 0) add({TRow::TotalsLine, kind, -1, 20}, TotalsGroup);
    add({TRow::TotalsSum, -1, -1, plan.proven() ? 26.0 : 44.0}, TotalsGroup);

    const PageFit::TFlowPages placed = PageFit::flow(flowRows, ContentBottom - ContentTop, [](int group) {
        return group == TotalsGroup ? TotalsTitleHeight : HeadingHeight;
    });
    TPages pages;
    for (const std::vector<PageFit::TPlaced>& page : placed) {
        pages.emplace_back();
        for (const PageFit::TPlaced& entry : page) {
            if (entry.row >= 0)
                pages.back().push_back(rows[static_cast<std::size_t>(entry.row)]);
            else if (entry.repeatOf == TotalsGroup)
                pages.back().push_back({TRow::TotalsTitle, -1, 1, TotalsTitleHeight});
            else
                pages.back().push_back({TRow::Heading, entry.repeatOf, 1, HeadingHeight});
        }
    }
    return pages;
}

class TPainterHelper {
public:
    explicit TPainterHelper(QPainter& painter) : p(painter) {}

    void text(const QRectF& box, const QString& value, const QFont& font, int flags = Qt::AlignLeft | Qt::AlignVCenter,
              const QColor& colour = Qt::black) {
        p.setFont(font);
        p.setPen(colour);
        // One line never runs past its box: what does not fit ends in "…".
        p.drawText(box, flags, PageFit::elided(value, font, box.width()));
    }
    double width(const QString& value, const QFont& font) const { return QFontMetricsF(font).horizontalAdvance(value); }

    QPainter& p;
};

QString offcutText(const TCuttingPattern& pattern) {
    if (pattern.offcut <= 0) return QStringLiteral("artık yok");
    return QStringLiteral("artık %1 cm %2")
        .arg(length(pattern.offcut), pattern.kept ? QStringLiteral("saklanacak") : QStringLiteral("fire"));
}

void paintPattern(TPainterHelper& d, double y, const TCuttingPlan& plan, const TCuttingKind& k,
                  const TCuttingPattern& pattern) {
    QPainter& p = d.p;
    d.text(QRectF(Left, y, 72, 30), QStringLiteral("%1 ×").arg(pattern.bars), Fonts::arial(20, true),
           Qt::AlignRight | Qt::AlignVCenter);
    d.text(QRectF(Left, y + 28, 72, 16), QStringLiteral("çubuk"), Fonts::arial(11), Qt::AlignRight | Qt::AlignVCenter);

    const double scale = (Right - BarLeft) / k.stock;
    const double kerf = plan.settings.number(TCuttingSettings::kerf);
    const QRectF bar(BarLeft, y + 2, k.stock * scale, BarHeight);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    double x = BarLeft;
    if (k.trim > 0) {
        p.fillRect(QRectF(BarLeft, bar.top(), k.trim * scale, BarHeight), QColor(90, 90, 90));
        p.fillRect(QRectF(bar.right() - k.trim * scale, bar.top(), k.trim * scale, BarHeight), QColor(90, 90, 90));
        x += k.trim * scale;
    }
    for (std::size_t i = 0; i < pattern.lengths.size(); ++i) {
        const QRectF piece(x, bar.top(), pattern.lengths[i] * scale, BarHeight);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(225, 235, 250));
        p.drawRect(piece);
        QFont font = Fonts::arial(12, true);
        if (d.width(pattern.pieces[i], font) > piece.width() - 4) font = Fonts::arial(9, true);
        if (d.width(pattern.pieces[i], font) <= piece.width() - 2)
            d.text(piece, pattern.pieces[i], font, Qt::AlignCenter);
        x += (pattern.lengths[i] + kerf) * scale;
    }
    if (pattern.offcut > 0) {
        const QRectF rest(bar.right() - k.trim * scale - pattern.offcut * scale, bar.top(), pattern.offcut * scale,
                          BarHeight);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(pattern.kept ? QBrush(QColor(200, 235, 200)) : QBrush(QColor(150, 150, 150), Qt::BDiagPattern));
        p.drawRect(rest);
        const QString label = pattern.kept ? QStringLiteral("saklanacak") : QString();
        if (!label.isEmpty() && d.width(label, Fonts::arial(10)) < rest.width() - 4)
            d.text(rest, label, Fonts::arial(10), Qt::AlignCenter);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(bar);

    const QStringList lines = cutsLines(pattern);
    for (qsizetype i = 0; i < lines.size(); ++i)
        d.text(QRectF(BarLeft, y + CutsTop - 4 + i * CutsLineHeight, Right - BarLeft, 18), lines[i], cutsFont());
}

QString cutsText(const TCuttingPattern& pattern) {
    return QStringLiteral("Kesilecek: %1 cm   ·   %2")
        .arg(pattern.pieces.join(QStringLiteral(" + ")), offcutText(pattern));
}

QString provenText(bool proven) {
    return proven ? QStringLiteral("en az çubuk: kanıtlandı")
                  : QStringLiteral("en az çubuk kanıtlanamadı (süre sınırı; en iyi bulunan plan)");
}

void paintSummary(TPainterHelper& d, double y, const TCuttingKind& k) {
    const QRectF box(Left, y + 4, Right - Left, 40);
    d.p.fillRect(box, QColor(242, 242, 242));
    d.text(box.adjusted(8, 2, -8, -20),
           QStringLiteral("%1: %2 çubuk   ·   alt sınır %3   ·   %4")
               .arg(k.name)
               .arg(k.bars)
               .arg(k.lowerBound)
               .arg(provenText(k.proven)),
           Fonts::arial(12, true), Qt::AlignLeft | Qt::AlignVCenter, k.proven ? Qt::black : QColor(170, 0, 0));
    d.text(box.adjusted(8, 20, -8, -2),
           QStringLiteral("Kullanılan malzeme %1 cm   ·   parçalar %2 cm   ·   saklanacak artık %3 cm   ·   fire %4 %")
               .arg(length(k.stockUsed()), length(k.pieceLength), length(k.keptOffcuts()),
                    CuttingTexts::percent(k.wastePercent())),
           Fonts::arial(12));
}

// Columns of the totals table: kind, stock, bars, bound, material, waste.
const double k_columns[] = {Left, Left + 180, Left + 290, Left + 370, Left + 460, Left + 590, Right};

void totalsLine(TPainterHelper& d, double y, double height, const QStringList& cells, bool bold) {
    const QFont font = Fonts::arial(12, bold);
    for (int c = 0; c < cells.size(); ++c)
        d.text(QRectF(k_columns[c] + 4, y, k_columns[c + 1] - k_columns[c] - 8, height), cells[c], font,
               (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    d.p.setPen(QPen(QColor(160, 160, 160), 0.5));
    d.p.drawLine(QLineF(Left, y + height, Right, y + height));
}

void paintRow(TPainterHelper& d, double y, const TRow& row, const TCuttingPlan& plan) {
    const TCuttingKind* k = row.kind >= 0 ? &plan.kinds[row.kind] : nullptr;
    switch (row.type) {
    case TRow::Heading: {
        d.text(QRectF(Left, y + 4, 260, 26), row.index == 1 ? k->name + QStringLiteral(" (devam)") : k->name,
               Fonts::trebuchet(19, true));
        d.text(QRectF(Left + 200, y + 4, Right - Left - 200, 26),
               QStringLiteral("stok boyu %1 cm   ·   kullanılabilir %2 cm   ·   %3 parça")
                   .arg(k->stockText, length(k->usable))
                   .arg(k->pieces),
               Fonts::arial(13), Qt::AlignRight | Qt::AlignVCenter);
        d.p.setPen(QPen(Qt::black, 1.5));
        d.p.drawLine(QLineF(Left, y + 32, Right, y + 32));
        break;
    }
    case TRow::Pattern:
        paintPattern(d, y + 4, plan, *k, k->patterns[static_cast<std::size_t>(row.index)]);
        break;
    case TRow::Problem: {
        const QStringList lines = problemLines(*k, row.index);
        for (qsizetype i = 0; i < lines.size(); ++i)
            d.text(QRectF(Left, y + i * ProblemLineHeight, Right - Left, 20), lines[i], problemFont(),
                   Qt::AlignLeft | Qt::AlignVCenter, QColor(170, 0, 0));
        break;
    }
    case TRow::Summary:
        paintSummary(d, y, *k);
        break;
    case TRow::Nothing:
        d.text(QRectF(Left, y, Right - Left, 30), QStringLiteral("Kesilecek profil yok."), Fonts::arial(14));
        break;
    case TRow::TotalsTitle:
        d.text(QRectF(Left, y + 4, Right - Left, 26),
               row.index == 1 ? QStringLiteral("Sipariş Toplamı (devam)") : QStringLiteral("Sipariş Toplamı"),
               Fonts::trebuchet(19, true));
        totalsLine(d, y + 30, 22,
                   {QStringLiteral("Profil"), QStringLiteral("Stok boyu"), QStringLiteral("Çubuk"),
                    QStringLiteral("Alt sınır"), QStringLiteral("Malzeme (cm)"), QStringLiteral("Fire")},
                   true);
        break;
    case TRow::TotalsLine:
        totalsLine(d, y, 20,
                   {k->name, k->stockText + QStringLiteral(" cm"), QString::number(k->bars),
                    QString::number(k->lowerBound) + (k->proven ? QString() : QStringLiteral(" *")),
                    length(k->stockUsed()), CuttingTexts::percent(k->wastePercent()) + QStringLiteral(" %")},
                   false);
        break;
    case TRow::TotalsSum:
        totalsLine(d, y, 22,
                   {QStringLiteral("Toplam"), QString(), QString::number(plan.bars()),
                    QString::number(plan.lowerBound()), length(plan.stockUsed()),
                    CuttingTexts::percent(plan.wastePercent()) + QStringLiteral(" %")},
                   true);
        if (!plan.proven())
            d.text(QRectF(Left, y + 24, Right - Left, 18),
                   QStringLiteral("* Bu profilde en az çubuk süre sınırında kanıtlanamadı."), Fonts::arial(11),
                   Qt::AlignLeft | Qt::AlignVCenter, QColor(170, 0, 0));
        break;
    }
}

void paintFrame(TPainterHelper& d, const TCuttingPlan& plan, int page, int pages) {
    const QString title =
        plan.orderName.isEmpty() ? QStringLiteral("Kesim Planı") : QStringLiteral("Kesim Planı  —  ") + plan.orderName;
    d.text(QRectF(Left, 36, Right - Left, 32), title, Fonts::trebuchet(24, true));
    const TCuttingSettings& s = plan.settings;
    d.text(QRectF(Left, 68, Right - Left, 20),
           QStringLiteral("Dolap Adet %1   ·   testere payı %2 cm   ·   uç kesme payı %3 cm   ·   saklanacak artık "
                          "en az %4 cm   ·   ölçüler cm")
               .arg(plan.cabinets.isEmpty() ? QStringLiteral("-") : plan.cabinets, s.text(TCuttingSettings::kerf),
                    s.text(TCuttingSettings::trim), s.text(TCuttingSettings::minOffcut)),
           Fonts::arial(12));
    d.p.setPen(QPen(Qt::black, 2));
    d.p.drawLine(QLineF(Left, 92, Right, 92));
    d.p.setPen(QPen(Qt::black, 1));
    d.p.drawLine(QLineF(Left, PageHeight - 48, Right, PageHeight - 48));
    d.text(QRectF(Left, PageHeight - 46, 400, 20), QStringLiteral("Doravel 3  -  Kesim Planı"), Fonts::trebuchet(11));
    d.text(QRectF(Right - 200, PageHeight - 46, 200, 20), QStringLiteral("Sayfa %1 / %2").arg(page + 1).arg(pages),
           Fonts::trebuchet(11), Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

namespace CuttingPlanRenderer {

int pageCount(const TCuttingPlan& plan) {
    return static_cast<int>(layout(plan).size());
}

void paint(QPainter& painter, const QRectF& pageRect, const TCuttingPlan& plan, int page) {
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

void paintAll(QPainter& painter, const QRectF& pageRect, const TCuttingPlan& plan) {
    auto* device = dynamic_cast<QPagedPaintDevice*>(painter.device());
    const int pages = pageCount(plan);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && device) device->newPage();
        paint(painter, pageRect, plan, page);
    }
}

void writePdf(const QString& path, const TCuttingPlan& plan) {
    PdfFile::write(path, SheetRenderer::pdfTitle(QStringLiteral("Kesim Planı ") + plan.orderName),
                   [&](QPainter& painter, QPdfWriter&, const QRectF& sheet) { paintAll(painter, sheet, plan); });
}

} // namespace CuttingPlanRenderer
