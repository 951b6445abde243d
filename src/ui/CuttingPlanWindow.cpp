#include "ui/CuttingPlanWindow.h"

#include "ui/PreviewDialogs.h"

#include "model/Messages.h"
#include "production/CuttingPlanRenderer.h"
#include "session/Session.h"

#include <QAction>
#include <QFileDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

TCuttingPlanWindow::TCuttingPlanWindow(TSession& session, QObject* parent) : QObject(parent), m_session(session) {}

TCuttingPlanWindow::~TCuttingPlanWindow() {
    delete m_dialog;
    delete m_printer;
}

void TCuttingPlanWindow::show() {
    TSession& s = m_session;
    if (!RunGuarded([&] { CuttingPlanCommand(s.project, s.activeGroup, s.cutting, s.sheet, s.costTable, m_plan); }))
        return;
    if (!m_printer) {
        m_printer = PreviewDialogs::newA4Printer();
        m_dialog = PreviewDialogs::newPreview(
            m_printer, QStringLiteral("FormKesimPlani"), QStringLiteral("Kesim Planı"), this, m_openOver,
            [this](QPrinter* printer) {
                QPainter painter(printer);
                CuttingPlanRenderer::paintAll(painter, printer->pageLayout().fullRectPixels(printer->resolution()),
                                              m_plan);
            },
            [this] { savePdf(); });
    }
    PreviewDialogs::repaint(m_dialog);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TCuttingPlanWindow::savePdf() {
    const QString path = PreviewDialogs::askPdfPath(m_dialog, m_plan.orderName + QStringLiteral(" Kesim Planı.pdf"));
    if (path.isEmpty()) return;
    RunGuarded([&] { CuttingPlanRenderer::writePdf(path, m_plan); });
}
