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
#include <QWindow>

#include <algorithm>
#include <optional>

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

QScreen* screenOf(QWidget* over) {
    return over ? over->screen() : QGuiApplication::primaryScreen();
}

// The room a window's frame takes: its own once the window manager has framed it, before that the
// larger of the frame of the window it opens over and a usual title bar with borders.
QMargins frameOf(QWidget* window, QWidget* over) {
    if (QWindow* handle = window->windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    QMargins usual(4, 30, 4, 4);
    if (QWindow* handle = over ? over->windowHandle() : nullptr) {
        const QMargins m = handle->frameMargins();
        usual = QMargins(qMax(usual.left(), m.left()), qMax(usual.top(), m.top()), qMax(usual.right(), m.right()),
                         qMax(usual.bottom(), m.bottom()));
    }
    return usual;
}

// The window with its frame inside the screen's available area: made smaller where it must be, then
// moved in, its title bar first.
void fitOnScreen(QWidget* window, QWidget* over, std::optional<QPoint> centre = std::nullopt) {
    QScreen* screen = screenOf(over);
    if (!screen) return;
    const QRect desk = screen->availableGeometry();
    const QMargins frame = frameOf(window, over);
    const QSize room = desk.size().shrunkBy(frame);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    QRect outer = QRect(window->pos(), window->size().grownBy(frame));
    if (centre) outer.moveCenter(*centre);
    outer.moveLeft(qMax(desk.left(), qMin(outer.left(), desk.right() - outer.width() + 1)));
    outer.moveTop(qMax(desk.top(), qMin(outer.top(), desk.bottom() - outer.height() + 1)));
    if (outer.topLeft() != window->pos()) window->move(outer.topLeft());
}

// Centres its window over another each time the window opens.
class TCentring : public QObject {
public:
    TCentring(QWidget* window, QWidget* over) : QObject(window), m_over(over) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) Widgets::centreOver(window, m_over);
        // Once framed by the window manager, the real frame is known: the window is fitted again.
        if (event->type() == QEvent::Show && event->spontaneous()) fitOnScreen(window, m_over);
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
    else if (QScreen* screen = screenOf(over))
        area = screen->availableGeometry();
    if (area.isEmpty()) return;
    fitOnScreen(window, over, area.center());
}

void openCentredOver(QWidget* window, QWidget* over) {
    window->installEventFilter(new TCentring(window, over));
}

} // namespace Widgets
