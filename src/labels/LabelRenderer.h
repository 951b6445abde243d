#pragma once

#include <QRectF>
#include <QString>

class QPainter;
struct TLabelGeometry;
struct TPieceLabels;

// The labels drawn on their sheets (or roll pages): the order and its customer, where the piece
// goes, its finished size and material, "3/24", and its piece code as a Code 128 barcode drawn as
// bars with its quiet zones, with the code written under it.
namespace LabelRenderer {
// The narrowest bar a label prints (mm): two dots of a 203-dpi label printer, which common scanners read.
constexpr double smallestModule = 0.25;
// Throws TRefusal naming the first piece code that the label cannot hold readably.
void checkFit(const TPieceLabels& labels, const TLabelGeometry& geometry);
int pageCount(const TPieceLabels& labels, const TLabelGeometry& geometry);
// `pageRect` is the whole page's rectangle on the device; pages count from 0.
void paint(QPainter& painter, const QRectF& pageRect, const TPieceLabels& labels, const TLabelGeometry& geometry,
           int page);
// Paints every page on a painter already begun on a paged device.
void paintAll(QPainter& painter, const QRectF& pageRect, const TPieceLabels& labels, const TLabelGeometry& geometry);
// Checks the fit first; throws DoravelError when the file cannot be written.
void writePdf(const QString& path, const TPieceLabels& labels, const TLabelGeometry& geometry);
} // namespace LabelRenderer
