#include "ui/PreviewDialogs.h"

#include "ui/Widgets.h"

#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace PreviewDialogs {

QPrinter* newA4Printer() {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setFullPage(true);
    return printer;
}

QPrintPreviewDialog* newPreview(QPrinter* printer, const QString& objectName, const QString& title, QObject* context,
                                QWidget* openOver, const std::function<void(QPrinter*)>& paint,
                                const std::function<void()>& savePdf) {
    auto* dialog = new QPrintPreviewDialog(printer);
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::NonModal);
    QSize size(900, 1000);
    if (QScreen* screen = openOver ? openOver->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    dialog->resize(size);
    Widgets::openCentredOver(dialog, openOver);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, context, paint);
    if (auto* bar = dialog->findChild<QToolBar*>()) {
        QAction* pdf = bar->addAction(QIcon(QStringLiteral(":/icons/save.png")), QStringLiteral("PDF Olarak Kaydet"));
        pdf->setObjectName(QStringLiteral("actionSavePdf"));
        QObject::connect(pdf, &QAction::triggered, context, savePdf);
    }
    return dialog;
}

void repaint(QPrintPreviewDialog* dialog) {
    if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) preview->updatePreview();
}

QString askPdfPath(QWidget* parent, const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF Olarak Kaydet"), suggestedName,
                                        QStringLiteral("PDF (*.pdf)"));
}

} // namespace PreviewDialogs
