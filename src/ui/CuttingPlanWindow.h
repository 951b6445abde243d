#pragma once

#include "production/CuttingPlan.h"

#include <QObject>

struct TSession;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// "Kesim Planı": the cutting plan of the profile bars in a print preview of its own.
class TCuttingPlanWindow : public QObject {
    Q_OBJECT
public:
    explicit TCuttingPlanWindow(TSession& session, QObject* parent = nullptr);
    ~TCuttingPlanWindow() override;

    // The command: the print preview's checks and computations, the plan, the preview window.
    void show();
    const TCuttingPlan& plan() const { return m_plan; }
    QPrintPreviewDialog* previewDialog() const { return m_dialog; }
    void savePdf();
    // The preview opens centred over this window.
    void setOpenOver(QWidget* window) { m_openOver = window; }

private:
    TSession& m_session;
    TCuttingPlan m_plan;
    QPrinter* m_printer = nullptr;
    QPrintPreviewDialog* m_dialog = nullptr;
    QWidget* m_openOver = nullptr;
};
