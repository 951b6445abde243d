#pragma once

#include "settings/DatabaseSettings.h"

#include <QWidget>

struct TSession;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Veritabanı": where the orders and customers live — this computer's own file or a database on a
// PostgreSQL server that several seats share. The choice holds from the next start.
class TDatabasePage : public QWidget {
    Q_OBJECT
public:
    explicit TDatabasePage(TSession& session, QWidget* parent = nullptr);
    // Shows the stored choice; the password entry starts empty.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDatabaseSettings entries() const;
    void enableServerEntries();

    TSession& m_session;
    QRadioButton* m_local = nullptr;
    QRadioButton* m_server = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_database = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_test = nullptr;
};
