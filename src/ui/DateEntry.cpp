#include "ui/DateEntry.h"

#include "model/Clock.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

TDateEntry::TDateEntry(const QDate& date, QWidget* parent) : QDateEdit(date, parent) {
    setDisplayFormat(DisplayDate::format);
    setCalendarPopup(true);
    lineEdit()->installEventFilter(this);
}

void TDateEntry::selectPartAtCursor() {
    if (!lineEdit()->hasSelectedText()) setSelectedSection(currentSection());
}

void TDateEntry::focusInEvent(QFocusEvent* event) {
    QDateEdit::focusInEvent(event);
    // The cursor is placed after the focus arrives (a click places it on release).
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectPartAtCursor();
    });
}

bool TDateEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, [this] { selectPartAtCursor(); });
    return QDateEdit::eventFilter(watched, event);
}

void TDateEntry::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed.at(0).isDigit();
    if (digit && lineEdit()->selectedText() == lineEdit()->text()) setSelectedSection(QDateTimeEdit::DaySection);
    // A full part moves on to the next by itself; the dot typed after it must not skip that one too.
    if (typed == QStringLiteral(".") && lineEdit()->hasSelectedText() &&
        lineEdit()->selectedText() == sectionText(currentSection())) {
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}
