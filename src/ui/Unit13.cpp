#include "ui/Unit13.h"

#include "ui/PreviewDialogs.h"

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
        PreviewDialogs::repaint(m_dialog);
        return;
    }
    if (!m_printer) {
        m_printer = PreviewDialogs::newA4Printer();
        m_dialog = PreviewDialogs::newPreview(
            m_printer, QStringLiteral("Form13"), QStringLiteral("Sipariş Listesi"), this, m_openOver,
            [this](QPrinter* printer) { paintRequested(printer); }, [this] { savePdf(); });
    }
    PreviewDialogs::repaint(m_dialog);
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
    const QString path = PreviewDialogs::askPdfPath(m_dialog, QStringLiteral("Sipariş Listesi.pdf"));
    if (path.isEmpty()) return;
    RunGuarded([&] { OrderListReport::writePdf(path, m_rows); });
}
