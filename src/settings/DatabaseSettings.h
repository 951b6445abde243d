#pragma once

#include <QString>

class TProfileStore;

// Where the order database lives: the local file in the db folder, or a database on a PostgreSQL
// server shared by several seats. The password is never part of it: it goes to the client library's
// password file (PgPassFile).
struct TDatabaseSettings {
    enum class Engine { LocalFile, Server };
    Engine engine = Engine::LocalFile;
    QString host;
    int port = 5432;
    QString database = QStringLiteral("doravel");
    QString user;

    bool onServer() const { return engine == Engine::Server; }
    // The server as messages name it: "host:port, veritabanı name".
    QString serverName() const;
};

namespace DatabaseSettingsTexts {
inline const QString restart = QStringLiteral("Veritabanı seçimi programı kapatıp açtığınızda geçerli olur.");
inline const QString noHost = QStringLiteral("Lütfen sunucu adını giriniz.");
inline const QString badPort = QStringLiteral("Port 1 ile 65535 arasında bir sayı olmalıdır.");
inline const QString noDatabase = QStringLiteral("Lütfen veritabanı adını giriniz.");
inline const QString noUser = QStringLiteral("Lütfen kullanıcı adını giriniz.");
} // namespace DatabaseSettingsTexts

// The stored choice; a store that holds none gives the local file.
// A port entry or stored port read by the number text module: 0 for anything not a whole number.
int PortOf(const QString& text);

TDatabaseSettings LoadDatabaseSettings(const TProfileStore& store);
// Checks the entries (a server needs host, port, database and user: TRefusal otherwise), stores them
// and, when a password was typed, writes it into the password file at `passFile`.
void SaveDatabaseSettings(TProfileStore& store, const TDatabaseSettings& settings, const QString& password,
                          const QString& passFile);
// The same check without storing: throws TRefusal with the first missing entry.
void CheckDatabaseSettings(const TDatabaseSettings& settings);
