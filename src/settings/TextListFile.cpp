#include "settings/TextListFile.h"

#include "model/Errors.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* const k_codePage = "windows-1254";

QString fileError(const char* what, const QString& path, const QString& reason) {
    return QStringLiteral("%1 \"%2\". %3").arg(QLatin1String(what), QDir::toNativeSeparators(path), reason);
}

} // namespace

bool TextListFile::exists(const QString& path) {
    return QFile::exists(path);
}

QStringList TextListFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw DoravelError(fileError("Cannot open file", path, file.errorString()));
    QStringDecoder decode(k_codePage);
    const QString text = decode(file.readAll());

    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) lines << current;
    return lines;
}

void TextListFile::write(const QString& path, const QStringList& lines) {
    QStringEncoder encode(k_codePage);
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw DoravelError(fileError("Cannot create file", path, file.errorString()));
}
