#include "ui/LabelsWindow.h"

#include "labels/LabelRenderer.h"
#include "labels/LabelsCommand.h"
#include "model/Messages.h"
#include "session/LabelOrder.h"
#include "session/Session.h"
#include "ui/LabelSettingsDialog.h"
#include "ui/PreviewDialogs.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QIcon>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

void setPage(QPrinter* printer, const TLabelGeometry& geometry) {
    const QSizeF page = geometry.page();
    const bool wide = page.width() > page.height();
    printer->setPageSize(QPageSize(wide ? page.transposed() : page, QPageSize::Millimeter));
    printer->setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setFullPage(true);
}

} // namespace

TLabelsWindow::TLabelsWindow(TSession& session, QObject* parent) : QObject(parent), m_session(session) {}

TLabelsWindow::~TLabelsWindow() {
    delete m_settings;
    delete m_dialog;
    delete m_printer;
}

bool TLabelsWindow::compute() {
    TSession& s = m_session;
    return RunGuarded([&] {
        TLabelSheetSettings settings;
        LoadLabelSheetSettings(*s.store, settings);
        const TLabelGeometry geometry = settings.geometry();
        m_labels = LabelsCommand(s.project, s.activeGroup, s.cutting, LabelOrderOf(s.project, s.orderSave), geometry,
                                 s.sheet, s.costTable);
        m_geometry = geometry;
    });
}

void TLabelsWindow::show() {
    if (!compute()) return;
    if (!m_printer) {
        m_printer = PreviewDialogs::newA4Printer();
        m_dialog = PreviewDialogs::newPreview(
            m_printer, QStringLiteral("FormEtiketler"), QStringLiteral("Etiketler"), this, m_openOver,
            [this](QPrinter* printer) {
                QPainter painter(printer);
                LabelRenderer::paintAll(painter, printer->pageLayout().fullRectPixels(printer->resolution()), m_labels,
                                        m_geometry);
            },
            [this] { savePdf(); });
        if (auto* bar = m_dialog->findChild<QToolBar*>()) {
            QAction* settings =
                bar->addAction(QIcon(QStringLiteral(":/icons/settings.png")), QStringLiteral("Etiket Ayarları"));
            settings->setObjectName(QStringLiteral("actionLabelSettings"));
            connect(settings, &QAction::triggered, this, &TLabelsWindow::editSettings);
        }
    }
    setPage(m_printer, m_geometry);
    PreviewDialogs::repaint(m_dialog);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TLabelsWindow::editSettings() {
    if (!m_settings) {
        m_settings = new TLabelSettingsDialog(m_session);
        Widgets::openCentredOver(m_settings, m_openOver);
        connect(m_settings, &TLabelSettingsDialog::saved, this, [this] {
            if (m_dialog && m_dialog->isVisible()) show();
        });
    }
    m_settings->load();
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void TLabelsWindow::savePdf() {
    const QString path = PreviewDialogs::askPdfPath(m_dialog, m_labels.order.name + QStringLiteral(" Etiketler.pdf"));
    if (path.isEmpty()) return;
    RunGuarded([&] { LabelRenderer::writePdf(path, m_labels, m_geometry); });
}
