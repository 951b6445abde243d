#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace Widgets {

QLineEdit* edit(QWidget* parent, const QString& name, const QRect& geometry, bool readOnly) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    e->setReadOnly(readOnly);
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
    if (editable) c->setInsertPolicy(QComboBox::NoInsert);
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

} // namespace Widgets
