#pragma once

#include "production/ReportPage.h"

#include <QObject>

#include <memory>

struct TSession;
class QPrinter;
class QWidget;
class QPrintPreviewDialog;

// The production sheet: fills the page and shows it in a print preview, from which the operator
// prints or saves a PDF.
class TForm3 : public QObject {
    Q_OBJECT
public:
    explicit TForm3(TSession& session, QObject* parent = nullptr);
    ~TForm3() override;

    // The print preview command: returns when the preview window is closed.
    void printPreview();
    const TReportPage& page() const { return m_page; }
    QPrintPreviewDialog* previewDialog() const { return m_dialog.get(); }
    // Tests open the preview without waiting for it to be closed.
    void setWaitForClose(bool wait) { m_waitForClose = wait; }
    void savePdf();
    // The preview opens centred over this window.
    void setOpenOver(QWidget* window) { m_openOver = window; }

private:
    void paintRequested(QPrinter* printer);

    TSession& m_session;
    TReportPage m_page;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrintPreviewDialog> m_dialog; // previews m_printer: destroyed before it
    bool m_waitForClose = true;
    QWidget* m_openOver = nullptr;
};
