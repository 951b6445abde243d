#pragma once

#include <QWidget>

#include <array>

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
    void projectChanged();
    void profileGroupChanged();
    void closed(); // by OK or Cancel: the main window comes back

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const std::function<void()>& operation);
    void ok();
    void cancel();

    TSession& m_session;
    QLineEdit* m_edit1 = nullptr;
    QLineEdit* m_edit2 = nullptr;
    QLineEdit* m_edit3 = nullptr;
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
