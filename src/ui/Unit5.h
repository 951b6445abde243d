#pragma once

#include "production/CostTable.h"
#include "ui/WindowOperation.h"

#include <QWidget>

#include <array>

struct TSession;
class QLineEdit;

// "Maliyet Tablosu": the order priced from the last print preview's quantities.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(TSession& session, QWidget* parent = nullptr);

    // The cost command.
    void showCostTable();
    void refresh();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    TSession& m_session;
    TWindowOperation m_run;
    std::array<QLineEdit*, TCostTable::LineCount> m_quantities{};
    std::array<QLineEdit*, TCostTable::LineCount> m_prices{};
    std::array<QLineEdit*, TCostTable::LineCount> m_totals{};
    QLineEdit* m_grandTotal = nullptr;
};
