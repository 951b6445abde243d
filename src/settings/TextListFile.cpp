#include "settings/TextListFile.h"

#include "model/Errors.h"
#include "model/FileErrors.h"
#include "model/SingleLine.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* const k_codePage = "windows-1254";

} // namespace

bool TextListFile::exists(const QString& path) {
    return QFile::exists(path);
}

QStringList TextListFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DoravelError(FileErrors::text(FileErrors::Action::Open, path, file.errorString()));
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
        // One entry per line: a break inside an entry would read back as several entries.
        bytes += encode(SingleLine::of(line));
        bytes += "\r\n";
    }
    FileErrors::writeWhole(path, bytes);
}
