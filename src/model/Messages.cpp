#include "model/Messages.h"

#include "model/Errors.h"
#include "model/LongWait.h"

#include <QList>

#include <cstdio>
#include <utility>

namespace {

// Without a screen (the sheet tool): messages go to standard error, questions get the safe answer.
class TConsoleBackend : public TMessageBackend {
public:
    void showMessage(const QString& text) override { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
    void showError(const QString& text) override { showMessage(text); }
    bool askYesNo(const QString& text, bool, TDefaultAnswer) override {
        showMessage(text);
        return false;
    }
    bool askOkCancel(const QString& text) override {
        showMessage(text);
        return true;
    }
    QString inputQuery(const QString&, const QString&, const QString&) override { return QString(); }
};

TConsoleBackend g_console;
TMessageBackend* g_backend = nullptr;

struct THeld {
    bool error;
    QString text;
};
int g_holds = 0;
QList<THeld> g_held;

void showHeld() {
    const QList<THeld> held = std::exchange(g_held, {});
    for (const THeld& message : held)
        message.error ? TMessages::backend().showError(message.text) : TMessages::backend().showMessage(message.text);
}

} // namespace

void TMessages::showMessage(const QString& text) {
    if (g_holds > 0)
        g_held.append({false, text});
    else
        backend().showMessage(text);
}

void TMessages::showError(const QString& text) {
    if (g_holds > 0)
        g_held.append({true, text});
    else
        backend().showError(text);
}

bool TMessages::askYesNo(const QString& text, bool warning, TDefaultAnswer defaultAnswer) {
    showHeld();
    return backend().askYesNo(text, warning, defaultAnswer);
}

bool TMessages::askOkCancel(const QString& text) {
    showHeld();
    return backend().askOkCancel(text);
}

QString TMessages::inputQuery(const QString& caption, const QString& prompt, const QString& initial) {
    showHeld();
    return backend().inputQuery(caption, prompt, initial);
}

TMessageHold::TMessageHold() {
    ++g_holds;
}

TMessageHold::~TMessageHold() {
    if (--g_holds == 0) showHeld();
}

void TMessages::setBackend(TMessageBackend* backend) {
    g_backend = backend;
}

TMessageBackend& TMessages::backend() {
    return g_backend ? *g_backend : g_console;
}

bool RunGuarded(const std::function<void()>& operation) {
    try {
        operation();
        LongWait::discardQueuedInput();
        return true;
    } catch (const TRefusal& refusal) {
        LongWait::discardQueuedInput();
        TMessages::showMessage(refusal.message());
    } catch (const DoravelError& error) {
        LongWait::discardQueuedInput();
        TMessages::showError(error.message());
    }
    return false;
}
