#pragma once

#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small helpers for the windows' absolute layouts and for showing model values without starting
// the handlers that the operator's own input starts.
namespace Widgets {
// Every entry is one line: `edit` and editable `combo` install this; an entry made another way
// (a dialog's own entry) calls `singleLine` on it.
void singleLine(QLineEdit* edit);
// Display-only entries: the platform's read-only look, the start of their text in view.
void setReadOnly(QLineEdit* edit, bool readOnly);
void readOnlyLook(QWidget* entry, bool readOnly); // for display-only entries of other kinds

QLineEdit* edit(QWidget* parent, const QString& name, const QRect& geometry, bool readOnly = false);
QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool bold = false);
QComboBox* combo(QWidget* parent, const QString& name, const QRect& geometry, bool editable = false);
QCheckBox* check(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);
QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                    const QString& icon = QString());

void setText(QLineEdit* edit, const QString& text);
void setChecked(QCheckBox* box, bool checked);
void setComboText(QComboBox* combo, const QString& text);
// Replaces the entries unless they are already these, keeping the shown text.
void setItems(QComboBox* combo, const QStringList& items);
// Shows a window that may be hidden or behind others.
void bringToFront(QWidget* window);
// Each time `window` opens it is centred over `over` (over the desktop when `over` is null).
void openCentredOver(QWidget* window, QWidget* over);
void centreOver(QWidget* window, QWidget* over);
} // namespace Widgets
