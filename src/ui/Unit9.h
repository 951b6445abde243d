#pragma once

#include "session/OrderListing.h"

#include <QWidget>

struct TSession;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QPushButton;
class QTableView;

// "Sipariş Listesi": stored orders filtered by customer and save date; reopens, deletes and prints them.
class TForm9 : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(TSession& session, QWidget* parent = nullptr);
    ~TForm9() override;

    // The order list command: lists every order, reads the customer choice and shows the window
    // maximised; the filter controls keep what they show. When the database cannot be read: its
    // message once, and no window.
    void open();
    TOrderListing& listing() { return m_listing; }

protected:
    void resizeEvent(QResizeEvent* event) override;

signals:
    // Yazdır: the printed list of these orders, answered by the order list report.
    void reportRequested(const QList<TOrderListRow>& rows);

private:
    TOrderListFilter filterOfControls() const;
    int currentRow() const;
    // Reads the customer choice; throws DoravelError when the database cannot be read.
    void fillCustomers();
    void list();
    void edit();
    void remove();
    void print();
    void fitFigureColumns(int first, int last);

    TSession& m_session;
    TOrderListing m_listing;
    bool m_shownBefore = false;
    bool m_customersRead = false;        // the customer choice holds the customers as last read
    QGroupBox* m_group = nullptr;        // GroupBox1
    QCheckBox* m_allCustomers = nullptr; // CheckBox1 "Bütün Müşterileri Listele"
    QComboBox* m_customer = nullptr;     // ComboBox1 "Müşteri Listesi"
    QCheckBox* m_allDates = nullptr;     // CheckBox2 "Bütün Tarihleri Listele"
    QDateEdit* m_start = nullptr;        // DateTimePicker1 "Başlangıç Tarihi"
    QDateEdit* m_end = nullptr;          // DateTimePicker2 "Bitiş Tarihi"
    QTableView* m_grid = nullptr;        // DBGrid1
};
