#include "ui/SheetPlanWindow.h"

#include "ui/PreviewDialogs.h"

#include "model/Messages.h"
#include "production/SheetPlanRenderer.h"
#include "session/Session.h"

#include <QAction>
#include <QFileDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

TSheetPlanWindow::TSheetPlanWindow(TSession& session, QObject* parent) : QObject(parent), m_session(session) {}

TSheetPlanWindow::~TSheetPlanWindow() {
    delete m_dialog;
    delete m_printer;
}

void TSheetPlanWindow::show() {
    TSession& s = m_session;
    if (!RunGuarded([&] { SheetPlanCommand(s.project, s.activeGroup, s.sheetCutting, s.sheet, s.costTable, m_plan); }))
        return;
    if (!m_printer) {
        m_printer = PreviewDialogs::newA4Printer();
        m_dialog = PreviewDialogs::newPreview(
            m_printer, QStringLiteral("FormLevhaPlani"), QStringLiteral("Levha Planı"), this, m_openOver,
            [this](QPrinter* printer) {
                QPainter painter(printer);
                SheetPlanRenderer::paintAll(painter, printer->pageLayout().fullRectPixels(printer->resolution()),
                                            m_plan);
            },
            [this] { savePdf(); });
    }
    PreviewDialogs::repaint(m_dialog);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TSheetPlanWindow::savePdf() {
    const QString path = PreviewDialogs::askPdfPath(m_dialog, m_plan.orderName + QStringLiteral(" Levha Planı.pdf"));
    if (path.isEmpty()) return;
    RunGuarded([&] { SheetPlanRenderer::writePdf(path, m_plan); });
}
