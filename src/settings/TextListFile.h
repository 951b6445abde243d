#pragma once

#include <QStringList>

// The program's plain text files: Windows-1254, one entry per line, CR LF after every line.
namespace TextListFile {

bool exists(const QString& path);
// Every line is an entry, an empty one included; CR, LF or CR LF end a line.
// Throws DoravelError "Cannot open file \"…\". reason" when the file cannot be read.
QStringList read(const QString& path);
// Replaces the whole file; throws DoravelError when it cannot be written.
void write(const QString& path, const QStringList& lines);

} // namespace TextListFile
