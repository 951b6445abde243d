#pragma once

#include <QString>

#include <functional>

// What a message box, a question or a prompt needs from the screen. The windows install a backend
// built on QMessageBox; tests install one that answers from a script and records what was shown.
// The answer Enter gives to a question: "Hayır" for every question whose "Evet" deletes or
// overwrites something, so that a hurried Enter never destroys.
enum class TDefaultAnswer { Yes, No };

class TMessageBackend {
public:
    virtual ~TMessageBackend() = default;
    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    virtual bool askYesNo(const QString& text, bool warning, TDefaultAnswer defaultAnswer) = 0;
    virtual bool askOkCancel(const QString& text) = 0;
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
    static bool askYesNo(const QString& text, bool warning = false, TDefaultAnswer defaultAnswer = TDefaultAnswer::No);
    static bool askOkCancel(const QString& text);
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
