#pragma once

#include "settings/SheetSettings.h"

#include <QWidget>

#include <array>

struct TSession;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The settings window's page "Levha": per kind (panel, glass) the stock sheets, turning, kerf, edge
// trim, the smallest remnant kept and the stage limit; per material of the inner material list its own
// sheets and turning. A typed value acts at once; "Kaydet" stores them.
class TSheetSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit TSheetSettingsPage(TSession& session, QWidget* parent = nullptr);
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showMaterial();

    TSession& m_session;
    std::array<std::array<QLineEdit*, TSheetSettings::ValueCount>, TSheetSettings::KindCount> m_entries{};
    std::array<QCheckBox*, TSheetSettings::KindCount> m_rotate{};
    QComboBox* m_material = nullptr;
    std::array<QLineEdit*, TSheetSettings::KindCount> m_materialStock{};
    std::array<QComboBox*, TSheetSettings::KindCount> m_materialRotate{};
};
