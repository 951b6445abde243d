#include "ui/Unit3.h"

#include "ui/PreviewDialogs.h"

#include "model/Messages.h"
#include "production/SheetRenderer.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QEventLoop>
#include <QFileDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

TForm3::TForm3(TSession& session, QObject* parent) : QObject(parent), m_session(session) {}

TForm3::~TForm3() = default;

void TForm3::printPreview() {
    TSession& s = m_session;
    if (!RunGuarded([&] { PrintPreview(s.project, s.activeGroup, s.sheet, s.costTable, s.doorImages, m_page); }))
        return;
    if (m_dialog && m_dialog->isVisible()) {
        // A preview is already open: the page is refilled, no second window opens.
        PreviewDialogs::repaint(m_dialog.get());
        Widgets::bringToFront(m_dialog.get());
        return;
    }
    if (!m_printer) {
        m_printer.reset(PreviewDialogs::newA4Printer());
        m_dialog.reset(PreviewDialogs::newPreview(
            m_printer.get(), QStringLiteral("Form3"), QStringLiteral("Yazıcı Önizleme"), this, m_openOver,
            [this](QPrinter* printer) { paintRequested(printer); }, [this] { savePdf(); }));
    }
    PreviewDialogs::repaint(m_dialog.get());
    m_dialog->show();
    if (!m_waitForClose) return;
    QEventLoop loop;
    connect(m_dialog.get(), &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void TForm3::paintRequested(QPrinter* printer) {
    QPainter painter(printer);
    SheetRenderer::paint(painter, printer->pageLayout().fullRectPixels(printer->resolution()), m_page);
}

void TForm3::savePdf() {
    const QString path = PreviewDialogs::askPdfPath(m_dialog.get(), m_page.orderName + QStringLiteral(".pdf"));
    if (path.isEmpty()) return;
    RunGuarded([&] { SheetRenderer::writePdf(path, m_page); });
}
