#include "production/PdfFile.h"

#include "model/Errors.h"
#include "model/FileErrors.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace PdfFile {

void write(const QString& path, const QString& title, const PaintPages& paint) {
    write(path, title, QPageSize(QPageSize::A4).size(QPageSize::Millimeter), paint);
}

void write(const QString& path, const QString& title, const QSizeF& pageMillimetres, const PaintPages& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // A page size is kept upright; a page wider than tall is that size turned.
        const bool wide = pageMillimetres.width() > pageMillimetres.height();
        const QSizeF upright = wide ? pageMillimetres.transposed() : pageMillimetres;
        writer.setPageLayout(QPageLayout(QPageSize(upright, QPageSize::Millimeter),
                                         wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Doravel 3"));
        QPainter painter;
        if (!painter.begin(&writer)) throw DoravelError(FileErrors::text(FileErrors::Action::Create, path));
        paint(painter, writer, QRectF(writer.pageLayout().fullRectPixels(writer.resolution())));
        painter.end();
    }
    FileErrors::writeWhole(path, buffer.data());
}

} // namespace PdfFile
