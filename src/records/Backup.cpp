#include "records/Backup.h"

#include "model/Clock.h"
#include "model/Errors.h"
#include "model/FileErrors.h"
#include "model/ProgramFolder.h"
#include "records/OrderDatabase.h"
#include "records/SqlDialect.h"
#include "settings/DatabaseSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString k_connection = QStringLiteral("dora_backup");
const QString k_prefix = QStringLiteral("dora-");
const QString k_suffix = QStringLiteral(".sqlite");
// The sidecar files of a database in write-ahead-log mode.
const QStringList k_sidecars = {QStringLiteral("-wal"), QStringLiteral("-shm")};

QString engineMessage(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Veritabanı hatası") : text;
}

// Runs `use` on a read-only connection of its own to `path`: it neither writes nor checkpoints the
// file, and is gone afterwards.
template <typename Use> void withReadOnly(const QString& path, Use use) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(SqlDialect::driverName(TDatabaseSettings::Engine::LocalFile), k_connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        struct TClose {
            QSqlDatabase& db;
            ~TClose() { db.close(); }
        } closing{db};
        if (!db.open()) throw DoravelError(engineMessage(db.lastError()));
        use(db);
    }
    QSqlDatabase::removeDatabase(k_connection);
}

QString databaseFile(const TProgramFolder& programFolder) {
    return programFolder.dbFile(OrderDatabase::fileName);
}

// Empty when `path` is a sound order database, otherwise what is wrong with it.
QString flawOf(const QString& path) {
    if (!QFileInfo(path).isFile()) return QStringLiteral("dosya yok");
    QString flaw;
    try {
        withReadOnly(path, [&](QSqlDatabase& db) {
            QSqlQuery check(db);
            if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
                flaw = engineMessage(check.lastError());
                return;
            }
            const QString result = check.next() ? check.value(0).toString() : QString();
            if (result != QLatin1String("ok")) {
                flaw = result.isEmpty() ? QStringLiteral("denetlenemedi") : result;
                return;
            }
            for (const QString& table : OrderDatabase::tableNames())
                if (!db.tables().contains(table, Qt::CaseInsensitive)) {
                    flaw = QStringLiteral("%1 tablosu yok").arg(table);
                    return;
                }
        });
    } catch (const DoravelError& error) {
        return error.message();
    }
    return flaw;
}

void moveFile(const QString& from, const QString& to) {
    if (!QFile::rename(from, to))
        throw DoravelError(FileErrors::text(FileErrors::Action::Create, to, QFile(from).errorString()));
}

// Moves the database and its sidecar files to `aside`; back again with `aside` and `path` swapped.
void moveDatabase(const QString& path, const QString& aside) {
    moveFile(path, aside);
    for (const QString& sidecar : k_sidecars)
        if (QFile::exists(path + sidecar)) moveFile(path + sidecar, aside + sidecar);
}

QString asideName() {
    return k_prefix + QStringLiteral("oncesi-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + k_suffix;
}

} // namespace

namespace Backup {

QString folder(const TProgramFolder& programFolder) {
    return programFolder.dbFile(QStringLiteral("yedek"));
}

QString copyName(const QDate& day) {
    return k_prefix + day.toString(Qt::ISODate) + k_suffix;
}

QList<TCopy> copies(const TProgramFolder& programFolder) {
    static const QRegularExpression daily(QStringLiteral("^dora-(\\d{4}-\\d{2}-\\d{2})\\.sqlite$"));
    QList<TCopy> list;
    const QDir dir(folder(programFolder));
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("dora-*.sqlite")}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = daily.match(file.fileName());
        if (!match.hasMatch()) continue;
        const QDate day = QDate::fromString(match.captured(1), Qt::ISODate);
        if (day.isValid()) list.prepend({day, file.absoluteFilePath(), file.size()});
    }
    return list;
}

QString makeDailyCopy(const TProgramFolder& programFolder, const TDatabaseSettings& settings) {
    const QString source = databaseFile(programFolder);
    if (settings.onServer() || !QFileInfo(source).isFile()) return {};
    const QDate today = Clock::today();
    const QString target = QDir(folder(programFolder)).filePath(copyName(today));
    QString made;
    if (!QFileInfo::exists(target)) {
        if (!QDir().mkpath(folder(programFolder)))
            throw DoravelError(FileErrors::text(FileErrors::Action::Create, folder(programFolder)));
        // Made beside its place and renamed only when whole: a copy that is there is a sound one.
        const QString part = target + QStringLiteral(".part");
        QFile::remove(part);
        try {
            withReadOnly(source, [&](QSqlDatabase& db) {
                QSqlQuery copy(db);
                copy.prepare(QStringLiteral("VACUUM INTO ?"));
                copy.addBindValue(part);
                if (!copy.exec()) throw DoravelError(engineMessage(copy.lastError()));
            });
            moveFile(part, target);
        } catch (const DoravelError&) {
            QFile::remove(part);
            throw;
        }
        made = target;
    }
    for (const TCopy& copy : copies(programFolder))
        if (copy.day.daysTo(today) >= KeepDays) QFile::remove(copy.path);
    return made;
}

void checkCopy(const TDatabaseSettings& settings, const QString& copyPath) {
    if (settings.onServer()) throw TRefusal(BackupTexts::onServer);
    const QString copyFile = QFileInfo(copyPath).absoluteFilePath();
    const QString flaw = flawOf(copyFile);
    if (!flaw.isEmpty()) throw TRefusal(BackupTexts::notADatabase.arg(QDir::toNativeSeparators(copyFile), flaw));
}

QString asidePath(const TProgramFolder& programFolder) {
    return QDir(folder(programFolder)).filePath(asideName());
}

void replaceWith(const TProgramFolder& programFolder, const QString& copyPath, const QString& aside) {
    const QString copyFile = QFileInfo(copyPath).absoluteFilePath();
    const QString path = databaseFile(programFolder);
    // The connection closed: the last one to close writes its log into the file.
    OrderDatabase::close();
    QDir().mkpath(folder(programFolder));
    const bool hadDatabase = QFileInfo::exists(path);
    if (hadDatabase) moveDatabase(path, aside);
    const QString part = path + QStringLiteral(".part");
    try {
        QFile::remove(part);
        QFile source(copyFile);
        if (!source.copy(part))
            throw DoravelError(FileErrors::text(FileErrors::Action::Create, part, source.errorString()));
        moveFile(part, path);
        OrderDatabase::open();
    } catch (const DoravelError&) {
        OrderDatabase::close();
        QFile::remove(part);
        if (hadDatabase) {
            QFile::remove(path);
            for (const QString& sidecar : k_sidecars)
                QFile::remove(path + sidecar);
            moveDatabase(aside, path);
        }
        throw;
    }
    OrderDatabase::announceReplaced();
}

} // namespace Backup
