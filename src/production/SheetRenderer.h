#pragma once

#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;
struct TReportPage;

// Paints the A4 production sheet. The layout is in pixels of a 96-dpi page (794 × 1123); `page`
// is the whole sheet's rectangle on the device, so the same layout serves printer, PDF and image.
namespace SheetRenderer {
constexpr int PageWidth = 794;
constexpr int PageHeight = 1123;
void paint(QPainter& painter, const QRectF& pageRect, const TReportPage& page);
// Writes the page as a one-page A4 PDF, whole or not at all; throws DoravelError with the system's
// reason when the file cannot be written, and an older file of that name stays as it was.
void writePdf(const QString& path, const TReportPage& page);
// The PDF's title: the order name's first line, at most MaxPdfTitle characters.
constexpr int MaxPdfTitle = 120;
QString pdfTitle(const QString& orderName);
} // namespace SheetRenderer
