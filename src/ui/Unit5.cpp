#include "ui/Unit5.h"

#include "model/Messages.h"
#include "production/Fonts.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

TForm5::TForm5(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_session(session), m_run(session.events, [this] { refresh(); }) {
    using namespace Widgets;
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Maliyet Tablosu"));
    TCostTable& table = m_session.costTable;
    // Each caption column is as wide as its longest caption, so every caption stays on one line.
    const QFont captionFont = Fonts::trebuchet(11, true);
    const QFontMetrics metrics(captionFont);
    int quantityWidth = 0, priceWidth = 0;
    for (int line = 0; line < TCostTable::LineCount; ++line) {
        quantityWidth = qMax(quantityWidth, metrics.horizontalAdvance(TCostTable::quantityCaption(line)));
        priceWidth = qMax(priceWidth, metrics.horizontalAdvance(TCostTable::unitPriceCaption(line)));
    }
    const QString totalCaption = QStringLiteral("Toplam Maliyet (YTL)");
    const QString grandCaption = QStringLiteral("Genel Toplam (YTL)");
    const int totalWidth = qMax(metrics.horizontalAdvance(totalCaption), metrics.horizontalAdvance(grandCaption)) + 4;
    quantityWidth += 4;
    priceWidth += 4;
    const int quantityX = 8 + quantityWidth + 2, priceCaptionX = quantityX + 86 + 8;
    const int priceX = priceCaptionX + priceWidth + 2, totalCaptionX = priceX + 82 + 8;
    const int totalX = totalCaptionX + totalWidth + 2;
    setFixedSize(qMax(659, totalX + 90 + 9), 367);
    for (int line = 0; line < TCostTable::LineCount; ++line) {
        const int y = 16 + line * 40;
        QLabel* q = label(this, TCostTable::quantityCaption(line), QRect(8, y, quantityWidth, 24));
        QLabel* p = label(this, TCostTable::unitPriceCaption(line), QRect(priceCaptionX, y, priceWidth, 24));
        QLabel* t = label(this, totalCaption, QRect(totalCaptionX, y, totalWidth, 24));
        for (QLabel* caption : {q, p, t})
            caption->setFont(captionFont);
        m_quantities[line] = edit(this, QStringLiteral("Edit%1").arg(line + 1), QRect(quantityX, y, 86, 24));
        m_prices[line] = edit(this, QStringLiteral("Edit%1").arg(line + 8), QRect(priceX, y, 82, 24));
        m_totals[line] = edit(this, QStringLiteral("Edit%1").arg(line + 15), QRect(totalX, y, 90, 24));
        m_quantities[line]->setFont(Fonts::trebuchet(13, true));
        m_prices[line]->setFont(Fonts::trebuchet(13, true));
        m_totals[line]->setFont(Fonts::trebuchet(13, true));
        colour(m_quantities[line], QColor(0, 0, 128));
        colour(m_prices[line], Qt::black);
        colour(m_totals[line], Qt::red);
        connect(m_quantities[line], &QLineEdit::textEdited, this,
                [&table, line](const QString& text) { table.quantities[line] = text; });
        connect(m_totals[line], &QLineEdit::textEdited, this,
                [&table, line](const QString& text) { table.totals[line] = text; });
        connect(m_prices[line], &QLineEdit::textEdited, this,
                [this, &table, line](const QString& text) { m_run([&] { EditUnitPrice(table, line, text); }); });
    }
    QLabel* grand = label(this, grandCaption, QRect(totalCaptionX, 296, totalWidth, 24));
    grand->setFont(captionFont);
    colour(grand, QColor(0, 0, 128));
    m_grandTotal = edit(this, QStringLiteral("Edit22"), QRect(totalX, 296, 90, 24));
    m_grandTotal->setFont(Fonts::trebuchet(13, true));
    colour(m_grandTotal, Qt::blue);
    connect(m_grandTotal, &QLineEdit::textEdited, this, [&table](const QString& text) { table.grandTotal = text; });
    QPushButton* save = button(this, QStringLiteral("Button1"), QStringLiteral("Fiyatları Kaydet"),
                               QRect(8, 326, 140, 30), QStringLiteral(":/icons/save.png"));
    connect(save, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { SavePrices(m_session.costTable, m_session.folder); }); });
    connect(&m_session.events, &TSessionEvents::listsChanged, this, &TForm5::refresh);
}

void TForm5::showCostTable() {
    TSession& s = m_session;
    m_run([&] { ShowCostTable(s.costTable, s.project, s.sheet); });
    // A recomputation stopped by a field that is not a number still leaves the table on screen.
    if (s.costTable.visible) Widgets::bringToFront(this);
}

void TForm5::refresh() {
    const TCostTable& table = m_session.costTable;
    for (int line = 0; line < TCostTable::LineCount; ++line) {
        Widgets::setText(m_quantities[line], table.quantities[line]);
        Widgets::setText(m_prices[line], table.unitPrices[line]);
        Widgets::setText(m_totals[line], table.totals[line]);
    }
    Widgets::setText(m_grandTotal, table.grandTotal);
}

void TForm5::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_session.costTable.visible = false;
}
