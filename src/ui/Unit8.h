#pragma once

#include <QWidget>

#include <array>

struct TSession;
struct TOrderSave;
class QComboBox;
class QGroupBox;
class QLineEdit;

// "Kaydet": the customer and money figures of the order being saved.
class TForm8 : public QWidget {
    Q_OBJECT
public:
    explicit TForm8(TSession& session, QWidget* parent = nullptr);

    // Shows the dialog with its resets, without blocking the main window.
    void open();
    void refresh();

signals:
    // There is no customer yet: the customer list is to be shown.
    void customerListRequested();

private:
    void save();
    // Runs a money rule after the operator's typing and shows the figures.
    void runRule(void (*rule)(TOrderSave&));
    void reloadCustomers();

    TSession& m_session;
    QComboBox* m_customer = nullptr;  // ComboBox1
    QLineEdit* m_amount = nullptr;    // Edit1 "Sipariş Tutarı"
    QLineEdit* m_note = nullptr;      // Edit2 "NOT"
    QLineEdit* m_total = nullptr;     // Edit3 "Genel Toplam"
    QLineEdit* m_received = nullptr;  // Edit4 "Alınan"
    QLineEdit* m_remaining = nullptr; // Edit5 "Kalan"
    std::array<QLineEdit*, 3> m_extraNames{};
    std::array<QLineEdit*, 3> m_extraAmounts{};
    QLineEdit* m_customerNo = nullptr; // hidden
    QLineEdit* m_orderNo = nullptr;    // hidden
};
