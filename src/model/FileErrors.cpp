#include "model/FileErrors.h"

#include "model/Errors.h"

#include <QDir>
#include <QSaveFile>

QString FileErrors::text(Action action, const QString& path, const QString& reason) {
    const QString what =
        action == Action::Open ? QStringLiteral("Cannot open file") : QStringLiteral("Cannot create file");
    QString message = QStringLiteral("%1 \"%2\".").arg(what, QDir::toNativeSeparators(path));
    if (!reason.isEmpty()) message += QLatin1Char(' ') + reason;
    return message;
}

void FileErrors::writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const auto fail = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        return DoravelError(text(Action::Create, path, reason));
    };
    if (!file.open(QIODevice::WriteOnly)) throw fail();
    // The write is buffered: a full disk shows only when the buffer is flushed, and commit() alone
    // would still put the short file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) throw fail();
    if (!file.commit() || file.error() != QFileDevice::NoError)
        throw DoravelError(text(Action::Create, path, file.errorString()));
}
