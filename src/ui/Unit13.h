#pragma once

#include "records/OrderList.h"

#include <QObject>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// The order list report: the listed orders on A4 pages in a print preview, from which the operator
// prints or saves a PDF.
class TForm13 : public QObject {
    Q_OBJECT
public:
    explicit TForm13(QObject* parent = nullptr);
    ~TForm13() override;

    // Shows the preview of these orders; returns when the preview window is closed.
    void preview(const QList<TOrderListRow>& rows);
    const QList<TOrderListRow>& rows() const { return m_rows; }
    QPrintPreviewDialog* previewDialog() const { return m_dialog; }
    // Tests open the preview without waiting for it to be closed.
    void setWaitForClose(bool wait) { m_waitForClose = wait; }
    // The preview opens centred over this window.
    void setOpenOver(QWidget* window) { m_openOver = window; }

private:
    void paintRequested(QPrinter* printer);
    void savePdf();

    QList<TOrderListRow> m_rows;
    QPrinter* m_printer = nullptr;
    QPrintPreviewDialog* m_dialog = nullptr;
    bool m_waitForClose = true;
    QWidget* m_openOver = nullptr;
};
