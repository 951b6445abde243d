#include "ui/MessageBoxBackend.h"

#include "ui/Widgets.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {
QString title() {
    return QApplication::applicationName();
}
QWidget* owner() {
    return QApplication::activeWindow();
}
} // namespace

void TMessageBoxBackend::showMessage(const QString& text) {
    QMessageBox::information(owner(), title(), text);
}

void TMessageBoxBackend::showError(const QString& text) {
    QMessageBox::critical(owner(), title(), text);
}

bool TMessageBoxBackend::askYesNo(const QString& text, bool warning, TDefaultAnswer defaultAnswer) {
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    const auto byDefault = defaultAnswer == TDefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes;
    const auto answer = warning ? QMessageBox::warning(owner(), title(), text, buttons, byDefault)
                                : QMessageBox::question(owner(), title(), text, buttons, byDefault);
    return answer == QMessageBox::Yes;
}

bool TMessageBoxBackend::askOkCancel(const QString& text) {
    return QMessageBox::information(owner(), title(), text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QString TMessageBoxBackend::inputQuery(const QString& caption, const QString& prompt, const QString& initial) {
    QInputDialog dialog(owner());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    // The prompt's entry is one line like every other entry.
    if (auto* entry = dialog.findChild<QLineEdit*>()) Widgets::singleLine(entry);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
