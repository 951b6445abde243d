#include "production/CuttingJobPages.h"

#include "cutting/CuttingJob.h"
#include "production/Fonts.h"
#include "production/PdfFile.h"

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace CuttingJobPages {

namespace {

using namespace CuttingJob;
using SheetPacking::Length;

constexpr double PageWidth = 794; // 96-dpi A4, scaled to the device
constexpr double PageHeight = 1123;
constexpr double Margin = 38;
constexpr int BarsPerPage = 14;

QString mmText(Length units) {
    return QString::number(static_cast<double>(units) / k_unitsPerMm, 'f', units % k_unitsPerMm ? 1 : 0);
}

void heading(QPainter& p, const QString& title, const QString& line, int page, int pages) {
    p.setPen(Qt::black);
    p.setFont(Fonts::arial(16, true));
    p.drawText(QRectF(Margin, 30, PageWidth - 2 * Margin, 24), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(Fonts::arial(11));
    p.drawText(QRectF(Margin, 56, PageWidth - 2 * Margin, 18), Qt::AlignLeft | Qt::AlignVCenter, line);
    p.drawText(QRectF(Margin, PageHeight - 40, PageWidth - 2 * Margin, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Sayfa %1 / %2").arg(page).arg(pages));
}

void paintSheet(QPainter& p, const TJob& job, const TResult& result, std::size_t index) {
    const SheetPacking::TSheet& sheet = result.sheetPlan.sheets[index];
    const SheetPacking::TStockSheet& stock = job.sheets.stock[static_cast<std::size_t>(sheet.stock)];
    // The sheet lies with its longer side across the page when that draws it larger.
    const QRectF area(Margin, 110, PageWidth - 2 * Margin, PageHeight - 110 - 260);
    const double scale =
        std::min(area.width() / static_cast<double>(stock.width), area.height() / static_cast<double>(stock.height));
    const double originX = area.left();
    const double originY = area.top() + static_cast<double>(stock.height) * scale; // y grows upwards on the sheet
    const auto at = [&](Length x, Length y) {
        return QPointF(originX + static_cast<double>(x) * scale, originY - static_cast<double>(y) * scale);
    };
    const auto rect = [&](Length x, Length y, Length w, Length h) { return QRectF(at(x, y + h), at(x + w, y)); };

    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(rect(0, 0, stock.width, stock.height));
    p.setBrush(QBrush(QColor(150, 190, 150), Qt::BDiagPattern));
    p.setPen(QPen(QColor(60, 120, 60), 0.8));
    p.setFont(Fonts::arial(9, true));
    for (const SheetPacking::TRemnant& r : sheet.remnants) {
        const QRectF box = rect(r.x, r.y, r.width, r.height);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("saklanacak\n%1 × %2").arg(mmText(r.width), mmText(r.height)));
    }
    p.setBrush(Qt::white);
    for (const SheetPacking::TPlacement& piece : sheet.pieces) {
        const QRectF box = rect(piece.x, piece.y, piece.width, piece.height);
        p.setPen(QPen(Qt::black, 0.8));
        p.drawRect(box);
        p.setFont(Fonts::arial(box.height() < 22 || box.width() < 40 ? 6 : 9));
        p.drawText(box.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("%1\n%2 × %3%4")
                       .arg(job.pieceIds.at(piece.piece), mmText(piece.width), mmText(piece.height),
                            piece.rotated ? QStringLiteral(" ↻") : QString()));
    }
    // The cuts, numbered in the saw's order; the stage shows in the line's weight.
    p.setFont(Fonts::arial(7, true));
    for (std::size_t c = 0; c < sheet.cuts.size(); ++c) {
        const SheetPacking::TCut& cut = sheet.cuts[c];
        p.setPen(QPen(QColor(200, 30, 30), cut.stage == 1 ? 1.6 : cut.stage == 2 ? 1.0 : 0.6));
        const QPointF a = at(cut.x1, cut.y1), b = at(cut.x2, cut.y2);
        p.drawLine(a, b);
        const QPointF label = a + (b - a) * 0.5;
        const QRectF tag(label.x() - 7, label.y() - 6, 14, 12);
        p.setBrush(QColor(255, 255, 255));
        p.drawRoundedRect(tag, 3, 3);
        p.drawText(tag, Qt::AlignCenter, QString::number(c + 1));
    }
    // The cut list below the drawing.
    p.setPen(Qt::black);
    p.setFont(Fonts::arial(8));
    const double listTop = originY + 14;
    const int columns = 4;
    for (std::size_t c = 0; c < sheet.cuts.size() && c < 4 * 22; ++c) {
        const SheetPacking::TCut& cut = sheet.cuts[c];
        const bool across = cut.y1 == cut.y2;
        const QString text =
            QStringLiteral("%1. kesim (%2. kademe): %3 %4 mm")
                .arg(c + 1)
                .arg(cut.stage)
                .arg(across ? QStringLiteral("y =") : QStringLiteral("x ="), mmText(across ? cut.y1 : cut.x1));
        const double x = Margin + static_cast<double>(c % columns) * (PageWidth - 2 * Margin) / columns;
        const double y = listTop + static_cast<double>(c / columns) * 11;
        p.drawText(QPointF(x, y), text);
    }
}

void paintBars(QPainter& p, const TJob& job, const TResult& result, std::size_t first) {
    Length longest = 1;
    for (const TBarStock& s : job.barStock)
        longest = std::max(longest, s.length);
    const double scale = (PageWidth - 2 * Margin) / static_cast<double>(longest);
    double y = 110;
    for (std::size_t b = first; b < std::min(result.bars.size(), first + BarsPerPage); ++b) {
        const TBar& bar = result.bars[b];
        const TBarStock& stock = job.barStock[static_cast<std::size_t>(bar.stock)];
        p.setPen(Qt::black);
        p.setFont(Fonts::arial(9, true));
        p.drawText(
            QPointF(Margin, y),
            QStringLiteral("%1. çubuk: %2 (%3 mm)").arg(b + 1).arg(job.stockIds.at(bar.stock), mmText(stock.length)));
        const double top = y + 6;
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(Margin, top, static_cast<double>(stock.length) * scale, 26));
        p.setFont(Fonts::arial(7));
        for (const TBarPlacement& piece : bar.pieces) {
            const QRectF box(Margin + static_cast<double>(piece.offset) * scale, top,
                             static_cast<double>(piece.length) * scale, 26);
            p.setBrush(Qt::white);
            p.drawRect(box);
            p.drawText(box, Qt::AlignCenter,
                       QStringLiteral("%1\n%2").arg(job.pieceIds.at(piece.piece), mmText(piece.length)));
        }
        p.setBrush(QBrush(QColor(150, 190, 150), Qt::BDiagPattern));
        for (const auto& [offset, length] : bar.remnants) {
            const QRectF box(Margin + static_cast<double>(offset) * scale, top, static_cast<double>(length) * scale,
                             26);
            p.drawRect(box);
            p.drawText(box, Qt::AlignCenter, QStringLiteral("saklanacak %1").arg(mmText(length)));
        }
        y += 66;
    }
}

} // namespace

void writePdf(const QString& path, const QString& title, const TJob& job, const TResult& result) {
    const bool sheets = result.kind == TKind::Sheets;
    const int pages = std::max(1, sheets ? static_cast<int>(result.sheetPlan.sheets.size())
                                         : static_cast<int>((result.bars.size() + BarsPerPage - 1) / BarsPerPage));
    const QString summary = QStringLiteral("Kullanılan: %1, alt sınır: %2%3")
                                .arg(result.used)
                                .arg(result.lowerBound)
                                .arg(result.proven ? QStringLiteral(" (en iyi plan)") : QString());
    PdfFile::write(path, title, [&](QPainter& painter, QPdfWriter& writer, const QRectF& sheet) {
        for (int page = 0; page < pages; ++page) {
            if (page > 0) writer.newPage();
            painter.save();
            painter.translate(sheet.topLeft());
            painter.scale(sheet.width() / PageWidth, sheet.height() / PageHeight);
            painter.setRenderHint(QPainter::Antialiasing);
            QString line = summary;
            if (sheets && page < static_cast<int>(result.sheetPlan.sheets.size())) {
                const SheetPacking::TSheet& s = result.sheetPlan.sheets[static_cast<std::size_t>(page)];
                const SheetPacking::TStockSheet& stock = job.sheets.stock[static_cast<std::size_t>(s.stock)];
                line = QStringLiteral("%1. levha: %2, %3 × %4 mm, %5 parça — %6")
                           .arg(page + 1)
                           .arg(job.stockIds.at(s.stock), mmText(stock.width), mmText(stock.height))
                           .arg(s.pieces.size())
                           .arg(summary);
                heading(painter, title, line, page + 1, pages);
                paintSheet(painter, job, result, static_cast<std::size_t>(page));
            } else {
                heading(painter, title, line, page + 1, pages);
                if (!sheets) paintBars(painter, job, result, static_cast<std::size_t>(page) * BarsPerPage);
            }
            painter.restore();
        }
    });
}

} // namespace CuttingJobPages
