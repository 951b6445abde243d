#pragma once

#include "labels/LabelSheet.h"

#include <QDialog>

#include <array>

struct TSession;
class QComboBox;
class QLineEdit;

// "Etiket Ayarları": the label sheet (a common A4 sheet, a custom one, or a roll label printer), its
// sizes and the first free place of a partly used sheet. "Kaydet" checks and stores them.
class TLabelSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TLabelSettingsDialog(TSession& session, QWidget* parent = nullptr);
    // Reads the stored settings and shows them.
    void load();
    const TLabelSheetSettings& settings() const { return m_settings; }

signals:
    void saved();

private:
    void refresh();

    TSession& m_session;
    TLabelSheetSettings m_settings;
    QComboBox* m_format = nullptr;
    std::array<QLineEdit*, TLabelSheetSettings::ValueCount> m_entries{};
};
