#pragma once

#include "settings/ProfileGroup.h"

#include <memory>

class QSettings;

// The five stored profile groups: keys P1 … P5 under Software\Merkona, seventeen string values each.
class TProfileStore {
public:
    // The workshop's own store: the registry on Windows, the user's configuration folder elsewhere.
    static std::unique_ptr<TProfileStore> openSystemStore();
    // A store kept in one INI file (tests).
    static std::unique_ptr<TProfileStore> openFile(const QString& path);

    explicit TProfileStore(std::unique_ptr<QSettings> settings);
    ~TProfileStore();

    // A missing key or value reads as the empty text.
    QString read(int key, const char* valueName) const;
    bool hasKey(int key) const;
    // Throws DoravelError with the store's message when it cannot be written.
    void write(int key, const char* valueName, const QString& text);
    // Any other value of the store, by its "group/name" path (the program's own settings).
    QString readSetting(const QString& path) const;
    void writeSetting(const QString& path, const QString& text);

private:
    std::unique_ptr<QSettings> m_settings;
};

// First start (or a P1 whose top reads empty): write the sixteen defaults into P1; firma is not written.
void EnsureDefaultProfileGroup(TProfileStore& store);
// Reads top … name of P1 into the active group; firma is not read.
void LoadStartupProfileGroup(const TProfileStore& store, TProfileGroup& active);
// Reads all seventeen values of the named group; a name that selects no key reads nothing.
void LoadProfileGroup(const TProfileStore& store, const QString& groupName, TProfileGroup& active);
// Writes all seventeen values into the named group's key, creating it when needed.
void SaveProfileGroup(TProfileStore& store, const QString& groupName, const TProfileGroup& active);
