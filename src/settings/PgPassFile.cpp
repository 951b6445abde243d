#include "settings/PgPassFile.h"

#include "model/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace PgPassFile {

QString shownName() {
#ifdef Q_OS_WIN
    return QStringLiteral("%APPDATA%\\postgresql\\pgpass.conf");
#else
    return QStringLiteral("~/.pgpass");
#endif
}

QString defaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("PGPASSFILE");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
#ifdef Q_OS_WIN
    // Where the client library looks on Windows.
    return QDir(qEnvironmentVariable("APPDATA")).filePath(QStringLiteral("postgresql/pgpass.conf"));
#else
    return QDir::home().filePath(QStringLiteral(".pgpass"));
#endif
}

QString escaped(const QString& field) {
    QString text;
    for (const QChar c : field) {
        if (c == QLatin1Char(':') || c == QLatin1Char('\\')) text += QLatin1Char('\\');
        text += c;
    }
    return text;
}

void storePassword(const QString& path, const QString& host, int port, const QString& database, const QString& user,
                   const QString& password) {
    const QString key =
        QStringList{escaped(host), QString::number(port), escaped(database), escaped(user)}.join(QLatin1Char(':')) +
        QLatin1Char(':');
    QStringList lines;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            throw DoravelError(
                QStringLiteral("\"%1\" okunamadı: %2").arg(QDir::toNativeSeparators(path), existing.errorString()));
        lines = QString::fromUtf8(existing.readAll()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    }
    lines.removeIf([&key](const QString& line) { return line.startsWith(key); });
    // Passwords may not hold a line break: the file has one entry per line.
    QString cleanPassword = password;
    cleanPassword.remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    lines << key + escaped(cleanPassword);

    const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    // The folder may not exist yet (on Windows the client library's own folder under APPDATA).
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
        file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError && file.commit();
    if (!written)
        throw DoravelError(
            QStringLiteral("\"%1\" yazılamadı: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace PgPassFile
