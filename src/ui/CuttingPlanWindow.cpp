#include "ui/CuttingPlanWindow.h"

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
        m_printer = new QPrinter(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
        m_printer->setFullPage(true);
        m_dialog = new QPrintPreviewDialog(m_printer);
        m_dialog->setObjectName(QStringLiteral("FormKesimPlani"));
        m_dialog->setWindowTitle(QStringLiteral("Kesim Planı"));
        m_dialog->setWindowModality(Qt::NonModal);
        connect(m_dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
            QPainter painter(printer);
            CuttingPlanRenderer::paintAll(painter, printer->pageLayout().fullRectPixels(printer->resolution()), m_plan);
        });
        if (auto* bar = m_dialog->findChild<QToolBar*>()) {
            QAction* pdf =
                bar->addAction(QIcon(QStringLiteral(":/icons/save.png")), QStringLiteral("PDF Olarak Kaydet"));
            pdf->setObjectName(QStringLiteral("actionSavePdf"));
            connect(pdf, &QAction::triggered, this, &TCuttingPlanWindow::savePdf);
        }
        m_dialog->resize(900, 1000);
    }
    if (auto* preview = m_dialog->findChild<QPrintPreviewWidget*>()) preview->updatePreview();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TCuttingPlanWindow::savePdf() {
    const QString path = QFileDialog::getSaveFileName(m_dialog, QStringLiteral("PDF Olarak Kaydet"),
                                                      m_plan.orderName + QStringLiteral(" Kesim Planı.pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    RunGuarded([&] { CuttingPlanRenderer::writePdf(path, m_plan); });
}
