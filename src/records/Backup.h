#pragma once

#include <QDate>
#include <QList>
#include <QString>

class TProgramFolder;
struct TDatabaseSettings;

// Copies of the local order database, kept in the db folder's "yedek" folder: one a day, made at the
// day's first start, each a whole and consistent database (SQLite's VACUUM INTO: a transaction's
// changes are in a copy whole or not at all, whatever another program writes meanwhile), removed after
// thirty days. A database on a server is the server's to back up (pg_dump); nothing is copied then.
namespace Backup {

constexpr int KeepDays = 30;

struct TCopy {
    QDate day;
    QString path;
    qint64 bytes = 0;
};

// The folder of the copies: db/yedek.
QString folder(const TProgramFolder& programFolder);
// "dora-2026-12-11.sqlite", the copy of a day.
QString copyName(const QDate& day);

// Today's copy of the local database, unless it exists already or there is nothing to copy (no file
// yet, or the database is on a server); then the copies older than KeepDays days go. Returns the new
// copy's path, empty when none was made. Throws DoravelError when the copy could not be made; the
// database is only read.
QString makeDailyCopy(const TProgramFolder& programFolder, const TDatabaseSettings& settings);

// The copies in the folder, newest first.
QList<TCopy> copies(const TProgramFolder& programFolder);

// Refuses a copy that cannot be restored: any on a server, and a file that is not a sound order
// database (TRefusal).
void checkCopy(const TDatabaseSettings& settings, const QString& copyPath);
// Where the current file is moved aside before a copy takes its place.
QString asidePath(const TProgramFolder& programFolder);
// The local database becomes the copy: the current file (with its write-ahead log) is first moved to
// `aside`, and put back when the copy cannot take its place. Every window learns that the orders and
// customers changed.
void replaceWith(const TProgramFolder& programFolder, const QString& copyPath, const QString& aside);

} // namespace Backup

namespace BackupTexts {
inline const QString failed = QStringLiteral(
    "Sipariş veritabanının günlük yedeği alınamadı: %1\nProgram çalışmaya devam ediyor; lütfen diskteki boş yeri ve "
    "\"%2\" klasörünü denetleyiniz.");
inline const QString onServer =
    QStringLiteral("Sipariş veritabanı bir sunucuda; onun yedeği sunucuda alınır ve geri yüklenir (pg_dump, "
                   "pg_restore). Nasıl yapılacağı Yardım sayfasında anlatılıyor.");
inline const QString notADatabase =
    QStringLiteral("\"%1\" sağlam bir sipariş veritabanı yedeği değil (%2). Geri yükleme yapılmadı.");
inline const QString question = QStringLiteral(
    "Sipariş veritabanı \"%1\" yedeğiyle değiştirilsin mi?\n\nYedekten sonra kaydedilen siparişler ve müşteriler "
    "geri yüklenen veritabanında olmayacak. Şu anki veritabanı silinmez, \"%2\" adıyla yedek klasörüne alınır.");
inline const QString restored = QStringLiteral("Sipariş veritabanı \"%1\" yedeğinden geri yüklendi.");
} // namespace BackupTexts
