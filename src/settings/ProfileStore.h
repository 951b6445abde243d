#pragma once

#include "settings/ProfileGroup.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QSettings;

// The five stored profile groups: keys P1 … P5 under Software\Merkona, seventeen string values each.
class TProfileStore {
public:
    // The workshop's own store: the registry on Windows, the user's configuration folder elsewhere.
    static std::unique_ptr<TProfileStore> openSystemStore();
    // A store kept in one INI file (tests).
    static std::unique_ptr<TProfileStore> openFile(const QString& path);

    // A store file that cannot be read as it was written (a format error, an unclosed quote) is never
    // written over: it is renamed to "<name>.bozuk-<date>" and the store starts empty beside it.
    explicit TProfileStore(std::unique_ptr<QSettings> settings);
    ~TProfileStore();

    // A missing key or value reads as the empty text.
    QString read(int key, const char* valueName) const;
    // Throws DoravelError with the store's message when it cannot be written.
    void write(int key, const char* valueName, const QString& text);
    // Several values of one key, written out once.
    void write(int key, const std::vector<std::pair<const char*, QString>>& values);

    // What the operator is told once about a damaged store set aside at opening; empty otherwise.
    // Taking it empties it.
    QString takeDamageNotice();
    // Any other value of the store, by its "group/name" path (the program's own settings beside the
    // groups: cutting, database).
    QString readSetting(const QString& path) const;
    void writeSetting(const QString& path, const QString& text);

private:
    // Every write goes through here: a damaged or unwritable store is refused, one sync per call.
    void writeEntries(const std::vector<std::pair<QString, QString>>& entries);
    void setAsideDamagedFile();

    std::unique_ptr<QSettings> m_settings;
    QString m_damageNotice;
    bool m_damaged = false; // damaged and could not be set aside: never written
};

// First start (or a P1 whose top reads empty): write the sixteen defaults into P1; firma is not written.
// A damaged store set aside at opening is reported here first, once.
void EnsureDefaultProfileGroup(TProfileStore& store);
// Reads top … name of P1 into the active group; firma is not read.
void LoadStartupProfileGroup(const TProfileStore& store, TProfileGroup& active);
// Reads all seventeen values of the named group; a name that selects no key reads nothing.
void LoadProfileGroup(const TProfileStore& store, const QString& groupName, TProfileGroup& active);
// Writes all seventeen values into the named group's key, creating it when needed.
void SaveProfileGroup(TProfileStore& store, const QString& groupName, const TProfileGroup& active);

namespace StoreTexts {
// The damaged store and the name it was kept under.
QString damagedSetAside(const QString& path, const QString& aside);
// A damaged store that could not be renamed: it is kept as it is and nothing is written into it.
QString damagedKept(const QString& path);
QString damagedNotWritten(const QString& path);
} // namespace StoreTexts
