#include "ui/Unit13.h"

#include "model/Messages.h"
#include "production/OrderListReport.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

TForm13::TForm13(QObject* parent) : QObject(parent) {}

TForm13::~TForm13() {
    delete m_dialog;
    delete m_printer;
}

void TForm13::preview(const QList<TOrderListRow>& rows) {
    m_rows = rows;
    if (m_dialog && m_dialog->isVisible()) {
        // Already open: the pages are painted again, no second window opens.
        if (auto* preview = m_dialog->findChild<QPrintPreviewWidget*>()) preview->updatePreview();
        return;
    }
    if (!m_printer) {
        m_printer = new QPrinter(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
        m_printer->setFullPage(true);
        m_dialog = new QPrintPreviewDialog(m_printer);
        m_dialog->setObjectName(QStringLiteral("Form13"));
        m_dialog->setWindowTitle(QStringLiteral("Sipariş Listesi"));
        m_dialog->setWindowModality(Qt::NonModal);
        connect(m_dialog, &QPrintPreviewDialog::paintRequested, this, &TForm13::paintRequested);
        if (auto* bar = m_dialog->findChild<QToolBar*>()) {
            QAction* pdf =
                bar->addAction(QIcon(QStringLiteral(":/icons/save.png")), QStringLiteral("PDF Olarak Kaydet"));
            pdf->setObjectName(QStringLiteral("actionSavePdf"));
            connect(pdf, &QAction::triggered, this, &TForm13::savePdf);
        }
    }
    if (auto* preview = m_dialog->findChild<QPrintPreviewWidget*>()) preview->updatePreview();
    m_dialog->show();
    m_dialog->raise();
    if (!m_waitForClose) return;
    QEventLoop loop;
    connect(m_dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void TForm13::paintRequested(QPrinter* printer) {
    QPainter painter(printer);
    OrderListReport::paint(painter, *printer, printer->pageLayout().fullRectPixels(printer->resolution()), m_rows);
}

void TForm13::savePdf() {
    const QString path =
        QFileDialog::getSaveFileName(m_dialog, QStringLiteral("PDF Olarak Kaydet"),
                                     QStringLiteral("Sipariş Listesi.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    RunGuarded([&] { OrderListReport::writePdf(path, m_rows); });
}
