#pragma once

#include "ui/WindowOperation.h"

#include <QWidget>

#include <array>
#include <functional>

struct TSession;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Yeni Sipariş Gir": the opening, the door count and the door widths of a new order.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(TSession& session, QWidget* parent = nullptr);

    // Opened by New: resets the entries, distributes and shows the window.
    void openForNew();
    void refresh();

signals:
    void closed(); // by OK or Cancel: the main window comes back

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ok();
    void cancel();

    TSession& m_session;
    TWindowOperation m_run;
    QLineEdit* m_orderName = nullptr; // Edit1
    QLineEdit* m_width = nullptr;     // Edit2
    QLineEdit* m_height = nullptr;    // Edit3
    QComboBox* m_doorCount = nullptr;
    QDateEdit* m_date = nullptr;
    QComboBox* m_group = nullptr;
    QCheckBox* m_equal = nullptr;
    QGroupBox* m_widthGroup = nullptr;
    std::array<QLineEdit*, 7> m_widths{};
    std::array<QCheckBox*, 7> m_locks{};
    QListWidget* m_free = nullptr;
    QListWidget* m_locked = nullptr;
};
