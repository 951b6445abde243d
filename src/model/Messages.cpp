#include "model/Messages.h"

#include "model/Errors.h"

#include <cstdio>

namespace {

// Without a screen (the sheet tool): messages go to standard error, questions get the safe answer.
class TConsoleBackend : public TMessageBackend {
public:
    void showMessage(const QString& text) override { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
    void showError(const QString& text) override { showMessage(text); }
    bool askYesNo(const QString& text, bool) override {
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

} // namespace

void TMessages::setBackend(TMessageBackend* backend) {
    g_backend = backend;
}

TMessageBackend& TMessages::backend() {
    return g_backend ? *g_backend : g_console;
}

bool RunGuarded(const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const TRefusal& refusal) {
        TMessages::showMessage(refusal.message());
    } catch (const DoravelError& error) {
        TMessages::showError(error.message());
    }
    return false;
}
