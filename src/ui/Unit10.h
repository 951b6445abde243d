#pragma once

#include "ui/WindowOperation.h"

#include <QWidget>

#include <array>

struct TSession;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The sub-division editor: one division split into two or three parts. Left only by OK or Cancel.
class TForm10 : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(TSession& session, QWidget* parent = nullptr);

    void open(int division);
    void refresh();

signals:
    void confirmed(); // the division editor takes the split back

private:
    void ok();

    TSession& m_session;
    TWindowOperation m_run;
    QLineEdit* m_size = nullptr;
    QComboBox* m_count = nullptr;
    std::array<QCheckBox*, 4> m_locks{};
    std::array<QLineEdit*, 4> m_sizes{};
    std::array<QComboBox*, 4> m_kinds{};
    std::array<QComboBox*, 4> m_names{};
};
