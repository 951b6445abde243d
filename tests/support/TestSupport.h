#pragma once

#include "model/Errors.h"
#include "model/Messages.h"
#include "session/Session.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Records every message, question and prompt and answers from a script; nothing blocks on a box.
class TScriptedMessages : public TMessageBackend {
public:
    TScriptedMessages() { TMessages::setBackend(this); }
    ~TScriptedMessages() override { TMessages::setBackend(nullptr); }

    QStringList shown;   // messages and errors, in order
    QStringList asked;   // questions
    QList<bool> answers; // next answers to questions (default Yes/OK)
    QStringList inputs;  // next prompt results (default: cancelled, the empty text)
    // Called as each message or error shows, to look at the windows at that moment.
    std::function<void(const QString&)> onShown;

    void showMessage(const QString& text) override { show(text); }
    void showError(const QString& text) override { show(text); }
    bool askYesNo(const QString& text, bool, TDefaultAnswer) override { return answer(text); }
    bool askOkCancel(const QString& text) override { return answer(text); }
    QString inputQuery(const QString&, const QString& prompt, const QString&) override {
        asked << prompt;
        return inputs.isEmpty() ? QString() : inputs.takeFirst();
    }

private:
    void show(const QString& text) {
        shown << text;
        if (onShown) onShown(text);
    }
    bool answer(const QString& text) {
        asked << text;
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};

// The message of the refusal an operation raises, or the empty text when it runs through.
inline QString refusalOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const TRefusal& refusal) {
        return refusal.message();
    }
    return QString();
}

// A program folder in a temporary directory with the shipped db files, and a session on an INI
// settings store inside it.
class TTestFolder {
public:
    TTestFolder();
    QString path() const { return m_dir.path(); }
    QString settingsFile() const;
    QString dbFile(const QString& name) const;
    // Writes a db file as the program would find it (Windows-1254, CR LF).
    void writeDbFile(const QString& name, const QStringList& lines) const;
    void removeDbFile(const QString& name) const;
    std::unique_ptr<TSession> makeSession() const;

private:
    QTemporaryDir m_dir;
};

// The first-start defaults of a profile group.
TProfileGroup defaultGroup();
// The worked example's profile values: top 3, under 3, side 2,5, mhor 2, mver 2, incover 0,5.
TProfileGroup exampleGroup();
// A profile group with the given values (name=text pairs), the rest at their defaults.
TProfileGroup groupWith(std::initializer_list<std::pair<int, const char*>> values);

// Projects built directly, as the editors would leave them.
namespace ProjectBuilder {
// An entered order: opening, door height, door count and the widths of doors 1..n ("0" above).
TProject entered(const QString& openingWidth, const QString& openingHeight, const QString& doorHeight,
                 const QStringList& widths);
void setDoor(TProject& project, int door, const QString& direction, const QString& count);
void setDivision(TProject& project, int door, int division, const QString& width, const QString& height,
                 const QString& kind = QStringLiteral("Panel"), const QString& name = QStringLiteral("Beyaz"));
// Ten cells: size, kind, name of parts 1..3 and the separator count.
void setSplit(TProject& project, int door, int division, const QStringList& cells);
} // namespace ProjectBuilder
