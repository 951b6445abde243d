#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

// Driving the real widgets as the operator does.
namespace Operator {

// Picks an entry of a choice as a mouse selection does (the change and the "activated" signal).
inline void choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Replaces an entry's text key by key, as typing over a selection does.
inline void typeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    // One key event per character, Turkish letters included (QTest::keyClicks takes ASCII only).
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

template <typename T> T* find(QObject* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child) qWarning("no child named %s", name);
    return child;
}

} // namespace Operator

#include "support/TestSupport.h"
#include "ui/ProgramWindows.h"
#include "ui/Unit1.h"

// The program started on a temporary program folder, with scripted message boxes; start() again
// is a restart on the same folder and settings.
struct TRunningProgram {
    TScriptedMessages messages;
    TTestFolder folder;
    std::unique_ptr<TSession> session;
    std::unique_ptr<TProgramWindows> windows;
    TForm1* form = nullptr; // the main window

    void start() {
        windows.reset();
        session = folder.makeSession();
        windows = std::make_unique<TProgramWindows>(*session);
        form = windows->mainWindow();
        form->show();
        // The start-up steps follow the window's first drawing.
        QVERIFY(QTest::qWaitFor([this] { return form->startedUp(); }));
    }
    ~TRunningProgram() { windows.reset(); }
};
