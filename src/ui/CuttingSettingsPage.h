#pragma once

#include <QWidget>

#include <array>

struct TSession;
class QLineEdit;

// The settings window's page "Kesim": the stock length of each profile kind, the saw kerf, the trims
// and the shortest offcut worth keeping. A typed value acts at once; "Kaydet" stores them.
class TCuttingSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit TCuttingSettingsPage(TSession& session, QWidget* parent = nullptr);
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSession& m_session;
    std::array<QLineEdit*, 10> m_entries{};
};
