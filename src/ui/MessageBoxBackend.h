#pragma once

#include "model/Messages.h"

// Message boxes, questions and the one-line prompt on the screen.
class TMessageBoxBackend : public TMessageBackend {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& text, bool warning, TDefaultAnswer defaultAnswer) override;
    bool askOkCancel(const QString& text) override;
    QString inputQuery(const QString& caption, const QString& prompt, const QString& initial) override;
};
