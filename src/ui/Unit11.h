#pragma once

#include "session/CustomerList.h"

#include <QWidget>

#include <functional>

struct TSession;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

// "Müşteri Listesi": customers created and kept up to date; balances are shown, never edited.
class TForm11 : public QWidget {
    Q_OBJECT
public:
    explicit TForm11(TSession& session, QWidget* parent = nullptr);

    // The customer list command: reads the table and shows the window; a table that cannot be read
    // gives its message and no window.
    void open();
    void refresh();
    const TCustomerList& list() const { return m_list; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // Runs one operation on the list, shows its message on failure, then shows the list.
    void run(const std::function<void()>& operation);
    void save();

    TSession& m_session;
    TCustomerList m_list;
    QTableWidget* m_grid = nullptr;    // DBGrid1
    QLineEdit* m_name = nullptr;       // DBEdit1 "Müşteri Adı"
    QLineEdit* m_number = nullptr;     // DBEdit2 "Müşteri No"
    QLineEdit* m_balance = nullptr;    // DBEdit3 "Bakiye"
    QLineEdit* m_tel = nullptr;        // DBEdit4 "Tel"
    QPlainTextEdit* m_adres = nullptr; // DBMemo1 "Adres"
};
