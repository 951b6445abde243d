#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;
class QPdfWriter;

// Every PDF the program writes: A4 portrait pages at 300 dpi (or pages of a roll label's size), made
// in memory and written in one piece, so a file is either whole or not there.
namespace PdfFile {

// Paints every page; `page` is the whole sheet in the writer's pixels, newPage() starts the next.
using PaintPages = std::function<void(QPainter& painter, QPdfWriter& writer, const QRectF& page)>;

// Throws DoravelError with the system's message when the file cannot be written whole.
void write(const QString& path, const QString& title, const PaintPages& paint);
// The same with pages of `pageMillimetres`.
void write(const QString& path, const QString& title, const QSizeF& pageMillimetres, const PaintPages& paint);

} // namespace PdfFile
