#pragma once

#include "labels/LabelSheet.h"
#include "labels/PieceLabels.h"

#include <QObject>

struct TSession;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;
class TLabelSettingsDialog;

// "Etiketler": a label for every cut piece of the order in a print preview of its own; "Etiket
// Ayarları" chooses the label sheet.
class TLabelsWindow : public QObject {
    Q_OBJECT
public:
    explicit TLabelsWindow(TSession& session, QObject* parent = nullptr);
    ~TLabelsWindow() override;

    // The command: the labels of the current order and their preview.
    void show();
    // The label settings; saving them shows an open preview again with them.
    void editSettings();
    void savePdf();
    const TPieceLabels& labels() const { return m_labels; }
    const TLabelGeometry& geometry() const { return m_geometry; }
    QPrintPreviewDialog* previewDialog() const { return m_dialog; }
    TLabelSettingsDialog* settingsDialog() const { return m_settings; }
    // The preview and the settings open centred over this window.
    void setOpenOver(QWidget* window) { m_openOver = window; }

private:
    bool compute();

    TSession& m_session;
    TPieceLabels m_labels;
    TLabelGeometry m_geometry;
    QPrinter* m_printer = nullptr;
    QPrintPreviewDialog* m_dialog = nullptr;
    TLabelSettingsDialog* m_settings = nullptr;
    QWidget* m_openOver = nullptr;
};
