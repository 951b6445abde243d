#include "ui/Widgets.h"

#include "model/SingleLine.h"
#include "model/StoredText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>

namespace {

// Accepts everything, with each line break a paste or a drop brings in made a blank and every
// character that could not be stored (control characters, a lone surrogate) taken out.
class TSingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        if (std::none_of(input.cbegin(), input.cend(), SingleLine::isBreak) && StoredText::firstUnstorable(input) < 0)
            return Acceptable;
        const QString before = input.left(position);
        input = StoredText::cleaned(SingleLine::of(input));
        position = static_cast<int>(StoredText::cleaned(SingleLine::of(before)).size());
        return Acceptable;
    }
};

// Centres its window over another each time the window opens.
class TCentring : public QObject {
public:
    TCentring(QWidget* window, QWidget* over) : QObject(window), m_over(over) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous())
            Widgets::centreOver(static_cast<QWidget*>(watched), m_over);
        return false;
    }

private:
    QPointer<QWidget> m_over;
};

} // namespace

namespace Widgets {

void singleLine(QLineEdit* edit) {
    edit->setValidator(new TSingleLineValidator(edit));
}

void readOnlyLook(QWidget* entry, bool readOnly) {
    // A read-only entry sits on the window's colour, as the platform draws one.
    QPalette palette = entry->palette();
    const QPalette standard = QGuiApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Base, standard.color(group, readOnly ? QPalette::Window : QPalette::Base));
    entry->setPalette(palette);
}

void setReadOnly(QLineEdit* edit, bool readOnly) {
    edit->setReadOnly(readOnly);
    readOnlyLook(edit, readOnly);
    if (readOnly) edit->setCursorPosition(0);
}

QLineEdit* edit(QWidget* parent, const QString& name, const QRect& geometry, bool readOnly) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    singleLine(e);
    if (readOnly) setReadOnly(e, true);
    return e;
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    if (bold) {
        QFont font = l->font();
        font.setBold(true);
        l->setFont(font);
    }
    return l;
}

QComboBox* combo(QWidget* parent, const QString& name, const QRect& geometry, bool editable) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    c->setEditable(editable);
    if (editable) {
        c->setInsertPolicy(QComboBox::NoInsert);
        singleLine(c->lineEdit());
    }
    return c;
}

QCheckBox* check(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    return c;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                    const QString& icon) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    if (!icon.isEmpty()) b->setIcon(QIcon(icon));
    return b;
}

void setText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QSignalBlocker blocker(edit);
    edit->setText(text);
    // Shown for reading: the start of the text, not its end.
    if (edit->isReadOnly()) edit->setCursorPosition(0);
}

void setChecked(QCheckBox* box, bool checked) {
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

void setComboText(QComboBox* combo, const QString& text) {
    const QSignalBlocker blocker(combo);
    const int index = combo->findText(text, Qt::MatchExactly);
    if (combo->isEditable()) {
        if (index >= 0) combo->setCurrentIndex(index);
        if (combo->currentText() != text) combo->setEditText(text);
    } else {
        combo->setCurrentIndex(index);
    }
}

void setItems(QComboBox* combo, const QStringList& items) {
    QStringList current;
    for (int i = 0; i < combo->count(); ++i)
        current << combo->itemText(i);
    if (current == items) return;
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(items);
    if (combo->isEditable()) combo->setEditText(text);
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void centreOver(QWidget* window, QWidget* over) {
    QRect area;
    if (over && over->isVisible())
        area = over->frameGeometry();
    else if (QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty()) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    // Kept on the screen, its title bar first.
    if (QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        frame.moveLeft(qMax(desk.left(), qMin(frame.left(), desk.right() - frame.width() + 1)));
        frame.moveTop(qMax(desk.top(), qMin(frame.top(), desk.bottom() - frame.height() + 1)));
    }
    window->move(frame.topLeft());
}

void openCentredOver(QWidget* window, QWidget* over) {
    window->installEventFilter(new TCentring(window, over));
}

} // namespace Widgets
