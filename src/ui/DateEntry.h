#pragma once

#include <QDateEdit>

// A date picker whose date can also be typed as dd.MM.yyyy: a click or the focus selects the part
// under the cursor, so typed digits replace it (the plain picker takes no digit into a full part),
// and typing over the whole text starts at the day.
class TDateEntry : public QDateEdit {
    Q_OBJECT
public:
    explicit TDateEntry(const QDate& date, QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A click in the text lands on the picker's own entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectPartAtCursor();
};
