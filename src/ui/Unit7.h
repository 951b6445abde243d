#pragma once

#include "settings/MaterialLists.h"
#include "settings/ProfileGroup.h"
#include "ui/WindowOperation.h"

#include <QWidget>

#include <array>

struct TSession;
class QComboBox;
class QLineEdit;
class QListWidget;

// "Ayarlar": the active profile group's seventeen entries and the three pick lists.
class TForm7 : public QWidget {
    Q_OBJECT
public:
    explicit TForm7(TSession& session, QWidget* parent = nullptr);
    void refresh();

private:
    QWidget* buildProfilePage();
    QWidget* buildListPage();
    void save();

    TSession& m_session;
    TWindowOperation m_run;
    std::array<QLineEdit*, TProfileGroup::ValueCount> m_entries{};
    QComboBox* m_group = nullptr;
    std::array<QListWidget*, TMaterialLists::ListCount> m_lists{};
};
