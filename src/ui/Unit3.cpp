#include "ui/Unit3.h"

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
        if (auto* preview = m_dialog->findChild<QPrintPreviewWidget*>()) preview->updatePreview();
        Widgets::bringToFront(m_dialog.get());
        return;
    }
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
        m_printer->setFullPage(true);
        m_dialog = std::make_unique<QPrintPreviewDialog>(m_printer.get());
        m_dialog->setObjectName(QStringLiteral("Form3"));
        m_dialog->setWindowTitle(QStringLiteral("Yazıcı Önizleme"));
        m_dialog->setWindowModality(Qt::NonModal);
        connect(m_dialog.get(), &QPrintPreviewDialog::paintRequested, this, &TForm3::paintRequested);
        if (auto* bar = m_dialog->findChild<QToolBar*>()) {
            QAction* pdf =
                bar->addAction(QIcon(QStringLiteral(":/icons/save.png")), QStringLiteral("PDF Olarak Kaydet"));
            pdf->setObjectName(QStringLiteral("actionSavePdf"));
            connect(pdf, &QAction::triggered, this, &TForm3::savePdf);
        }
        m_dialog->resize(900, 1000);
        Widgets::openCentredOver(m_dialog.get(), m_openOver);
    }
    if (auto* preview = m_dialog->findChild<QPrintPreviewWidget*>()) preview->updatePreview();
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
    const QString path =
        QFileDialog::getSaveFileName(m_dialog.get(), QStringLiteral("PDF Olarak Kaydet"),
                                     m_page.orderName + QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    RunGuarded([&] { SheetRenderer::writePdf(path, m_page); });
}
