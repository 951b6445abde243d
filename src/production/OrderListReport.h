#pragma once

#include "records/OrderList.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// The printed order list: A4 portrait pages with 10 mm margins, the title on the first page, the
// column captions on every page, one line per order and an empty footer. The layout is in
// millimetres; `pageRect` is the whole sheet on the device, so printer, preview and PDF share it.
namespace OrderListReport {

constexpr double PageWidthMm = 210;
constexpr double PageHeightMm = 297;
constexpr double MarginMm = 10;
constexpr double TitleHeightMm = 7.1;
constexpr double HeaderHeightMm = 5.0;
constexpr double DetailHeightMm = 4.2;
constexpr double FooterHeightMm = 10.6;

struct TColumn {
    const char* caption;
    double left;  // mm from the left margin
    double width; // mm
};
// The twelve columns, "S. No" to "Not".
const QList<TColumn>& columns();

// Orders on the first page and on each page after it; pages needed for `rows` orders (at least one).
int rowsOnFirstPage();
int rowsOnLaterPages();
int pageCount(int rows);

// More pages than a preview makes in a moment: laying out, holding and showing them takes seconds
// and hundreds of megabytes.
constexpr int PreviewPageLimit = 300;
// Before the preview of `rows` orders: true at once up to PreviewPageLimit pages; above it the
// operator is asked (Enter answers No), and true only on Yes.
bool confirmLength(int rows);

// Paints every page; the painter is active on `device`, which gets a new page for each page after the first.
void paint(QPainter& painter, QPagedPaintDevice& device, const QRectF& pageRect, const QList<TOrderListRow>& rows);
// Writes the list as an A4 PDF; throws DoravelError when the file cannot be written.
void writePdf(const QString& path, const QList<TOrderListRow>& rows);

} // namespace OrderListReport

namespace OrderListReportTexts {
inline const QString longList = QStringLiteral(
    "Listelenen %1 sipariş %2 sayfa tutuyor. Önizlemenin hazırlanması uzun sürer ve çok bellek ister; daha kısa bir "
    "liste için müşteri veya tarih süzgecini kullanabilirsiniz.\n\nBütün sayfalar yine de hazırlansın mı?");
} // namespace OrderListReportTexts
