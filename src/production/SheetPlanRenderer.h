#pragma once

#include <QRectF>

class QPainter;
struct TSheetCuttingPlan;

// The sheet plan's A4 pages: per material a heading with its stock, every sheet drawn to scale with
// its pieces (size, door and division), the cuts numbered in the saw's order and the kept remnants,
// the material's figures, and the order's totals. Laid out in pixels of a 96-dpi page and scaled to
// the device.
namespace SheetPlanRenderer {
int pageCount(const TSheetCuttingPlan& plan);
// `pageRect` is the whole sheet's rectangle on the device; pages count from 0.
void paint(QPainter& painter, const QRectF& pageRect, const TSheetCuttingPlan& plan, int page);
// Paints every page on a painter already begun on a paged device.
void paintAll(QPainter& painter, const QRectF& pageRect, const TSheetCuttingPlan& plan);
// Throws DoravelError when the file cannot be written.
void writePdf(const QString& path, const TSheetCuttingPlan& plan);
} // namespace SheetPlanRenderer
