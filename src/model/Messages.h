#pragma once

#include <QString>

#include <functional>

// What a message box, a question or a prompt needs from the screen. The windows install a backend
// built on QMessageBox; tests install one that answers from a script and records what was shown.
class TMessageBackend {
public:
    virtual ~TMessageBackend() = default;
    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    virtual bool askYesNo(const QString& text, bool warning) = 0;
    virtual bool askOkCancel(const QString& text) = 0;
    // A question whose default answer, the one Enter gives, is No.
    virtual bool askYesNoDefaultNo(const QString& text) { return askYesNo(text, true); }
    // A one-line prompt; a cancelled prompt gives the empty text.
    virtual QString inputQuery(const QString& caption, const QString& prompt, const QString& initial) = 0;
};

class TMessages {
public:
    static void setBackend(TMessageBackend* backend); // nullptr restores the console backend
    static TMessageBackend& backend();

    static void showMessage(const QString& text);
    static void showError(const QString& text);
    // A question or a prompt first shows the messages held before it.
    static bool askYesNo(const QString& text, bool warning = false);
    static bool askOkCancel(const QString& text);
    // A question about a step that cannot be undone: Enter answers No.
    static bool askYesNoDefaultNo(const QString& text);
    static QString inputQuery(const QString& caption, const QString& prompt, const QString& initial = QString());
};

// While one lives, messages and errors wait; when the outermost ends they are shown in order. A
// window holds them over an operation and its own refresh, so that a message shows over the state
// it speaks of.
class TMessageHold {
public:
    TMessageHold();
    ~TMessageHold();
    TMessageHold(const TMessageHold&) = delete;
    TMessageHold& operator=(const TMessageHold&) = delete;
};

// The event boundary: runs one operation and shows the message of any failure it raises, a
// refusal as a plain message. Returns false when the operation failed or was refused.
bool RunGuarded(const std::function<void()>& operation);
