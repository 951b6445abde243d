#pragma once

#include <QRectF>

class QPainter;
struct TCuttingPlan;

// The cutting plan's A4 pages: per profile kind a heading with the stock length, every bar pattern
// drawn to scale with its pieces, how many bars are cut that way and the offcut, the kind's figures,
// and the order's totals. Laid out in pixels of a 96-dpi page and scaled to the device.
namespace CuttingPlanRenderer {
int pageCount(const TCuttingPlan& plan);
// `pageRect` is the whole sheet's rectangle on the device; pages count from 0.
void paint(QPainter& painter, const QRectF& pageRect, const TCuttingPlan& plan, int page);
// Paints every page on a painter already begun on a paged device.
void paintAll(QPainter& painter, const QRectF& pageRect, const TCuttingPlan& plan);
// Throws DoravelError when the file cannot be written.
void writePdf(const QString& path, const TCuttingPlan& plan);
} // namespace CuttingPlanRenderer
