#pragma once

#include "production/SheetPlan.h"

#include <QObject>

struct TSession;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// "Levha Planı": the sheet plan of the panel boards and glass plates in a print preview of its own.
class TSheetPlanWindow : public QObject {
    Q_OBJECT
public:
    explicit TSheetPlanWindow(TSession& session, QObject* parent = nullptr);
    ~TSheetPlanWindow() override;

    // The command: the print preview's checks and computations, the plan, the preview window.
    void show();
    const TSheetCuttingPlan& plan() const { return m_plan; }
    QPrintPreviewDialog* previewDialog() const { return m_dialog; }
    void savePdf();
    // The preview opens centred over this window.
    void setOpenOver(QWidget* window) { m_openOver = window; }

private:
    TSession& m_session;
    TSheetCuttingPlan m_plan;
    QPrinter* m_printer = nullptr;
    QPrintPreviewDialog* m_dialog = nullptr;
    QWidget* m_openOver = nullptr;
};
