#pragma once

#include <QString>

#include <functional>

class QObject;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// The program's A4 print previews (the sheet, the cutting plan, the order list) are made one way.
namespace PreviewDialogs {

// A full-page, high-resolution A4 portrait printer.
QPrinter* newA4Printer();
// A preview of `printer` that does not block the other windows, with a "PDF Olarak Kaydet" button;
// `paint` draws the pages, `savePdf` runs from the button. It opens 900 × 1000 (less on a smaller
// screen), centred over `openOver`, so a whole page is readable at once. The caller owns the dialog
// and destroys it before the printer.
QPrintPreviewDialog* newPreview(QPrinter* printer, const QString& objectName, const QString& title, QObject* context,
                                QWidget* openOver, const std::function<void(QPrinter*)>& paint,
                                const std::function<void()>& savePdf);
// Paints the pages again.
void repaint(QPrintPreviewDialog* dialog);
// Where to save the PDF; empty when the operator cancelled.
QString askPdfPath(QWidget* parent, const QString& suggestedName);

} // namespace PreviewDialogs
