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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
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
