#pragma once

#include "settings/DatabaseSettings.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>

class TProgramFolder;
class TSessionEvents;

// The order database: the connection "dora", to one file in the program folder's db folder or to a
// database on a PostgreSQL server that several seats share.
namespace OrderDatabase {

inline const QString connectionName = QStringLiteral("dora");
inline const QString fileName = QStringLiteral("dora.sqlite");
// The version of the last step of SchemaSteps::all().
constexpr int schemaVersion = 2;
// What a committed change announces to the other seats.
inline const QString ordersChannel = QStringLiteral("dora_siparis");
inline const QString customersChannel = QStringLiteral("dora_musteri");

// The eight tables every order and customer lives in.
QStringList tableNames();

// The database, open and checked. A missing file or an empty server database gets the eight tables; an
// older one (also one without a version row) is upgraded step by step, a local file copied first into
// the db folder's "yedek" folder. A database that cannot be opened or lacks a table raises DoravelError
// with the engine's message, one a newer program changed raises OrderDatabaseTexts::newerSchema; either
// is left as it is. A server that cannot be reached gives OrderDatabaseTexts::unreachable; a lock held
// elsewhere past the bounded wait gives OrderDatabaseTexts::busy.
QSqlDatabase open();

// Closes the connection (the database stays); the next open() checks it again.
void close();

// The choice the connection was registered with.
const TDatabaseSettings& settings();

// A prepared statement on the order database; throws DoravelError with the engine's message. Outside
// a write transaction a connection the server dropped is opened again once.
QSqlQuery prepare(const QString& sql);
// Runs a prepared statement; throws DoravelError with the engine's message.
void exec(QSqlQuery& query);
// Runs a prepared statement and hands each row to `read`; a connection lost while the rows arrive
// throws like exec instead of ending the rows early.
void readRows(QSqlQuery& query, const std::function<void(const QSqlQuery&)>& read);

// The one place that announces changed records: from now on every committed write transaction of this
// seat emits `events`' ordersChanged or customersChanged for what it changed, and on a server the
// changes other seats commit do the same (their announcements are listened for).
void announceChangesTo(TSessionEvents& events);

// After the whole local file was replaced (a restored copy): this seat's windows learn that every
// order and customer may have changed.
void announceReplaced();

// At start: when the server cannot be reached, says so once. The program goes on either way.
void reportUnreachableServer();

// "Bağlantıyı Sına": connects to the server with these entries and the typed password (or the
// password file's when none was typed) and returns the success text; throws DoravelError with the
// server's message.
QString testServerConnection(const TDatabaseSettings& settings, const QString& password);

} // namespace OrderDatabase

namespace OrderDatabaseTexts {
inline const QString unreachable = QStringLiteral("Sipariş veritabanı sunucusuna ulaşılamıyor: %1\n%2");
// The reason when the server took longer than the answer bound: "%1" the seconds.
inline const QString noAnswer = QStringLiteral("Sunucu %1 saniye içinde yanıt vermedi.");
inline const QString connected = QStringLiteral("Bağlantı başarılı: %1\n%2");
inline const QString busy = QStringLiteral(
    "Kayıtlar şu anda başka bir bilgisayarda değiştiriliyor; lütfen birkaç saniye sonra tekrar deneyiniz.");
inline const QString notConnected = QStringLiteral("Bağlantı kurulamadı: %1\n%2");
inline const QString newerSchema =
    QStringLiteral("Sipariş veritabanı bu programın daha yeni bir sürümüyle değiştirilmiş (veritabanı sürümü %1, bu "
                   "programın tanıdığı %2). Kayıtlara dokunulmadı; lütfen programın yeni sürümünü kurunuz.");
} // namespace OrderDatabaseTexts

// Binds the name "dora" to the chosen database, renewed at every start: the db folder's file of this
// program folder, or the server database of `settings`.
void RegisterOrderDatabase(const TProgramFolder& folder, const TDatabaseSettings& settings = {});

// One transaction that writes. It rolls back unless commit() is reached, so a failure anywhere
// leaves the database as it was. Another seat holding the write lock past the bounded wait gives
// OrderDatabaseTexts::busy at once. Starting one inside another is a programming error
// (std::logic_error).
class TWriteTransaction {
public:
    TWriteTransaction();
    ~TWriteTransaction();
    TWriteTransaction(const TWriteTransaction&) = delete;
    TWriteTransaction& operator=(const TWriteTransaction&) = delete;
    // At commit this seat's windows and the other seats learn that the records of `channel` changed.
    void announce(const QString& channel);
    void commit();

private:
    QSqlDatabase m_db;
    QStringList m_channels;
    bool m_open = false;
};
