#pragma once

#include <QWidget>

#include <array>
#include <functional>

struct TSession;
class QCheckBox;
class QComboBox;
class QLineEdit;
class TForm2;

// The sub-division editor: one division split into two or three parts. Left only by OK or Cancel.
class TForm10 : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(TSession& session, QWidget* parent = nullptr);
    void setDivisionEditor(TForm2* form) { m_form2 = form; }

    void open(int division);
    void refresh();

private:
    void run(const std::function<void()>& operation);
    void ok();

    TSession& m_session;
    TForm2* m_form2 = nullptr;
    QLineEdit* m_size = nullptr;
    QComboBox* m_count = nullptr;
    std::array<QCheckBox*, 4> m_locks{};
    std::array<QLineEdit*, 4> m_sizes{};
    std::array<QComboBox*, 4> m_kinds{};
    std::array<QComboBox*, 4> m_names{};
};
