#pragma once

#include <QByteArray>
#include <QString>

// The one text of a file the program could not read or write, and the one way it writes a file.
namespace FileErrors {

enum class Action { Open, Create };

// "Cannot open file \"path\". reason" or "Cannot create file \"path\". reason"; without a reason the
// text ends after the quoted name: "Cannot create file \"path\".".
QString text(Action action, const QString& path, const QString& reason = QString());

// Replaces the file with exactly these bytes or leaves it as it was: the bytes go to a file beside it
// that takes its place only once everything is on the disk. Throws DoravelError with the text above
// and the system's reason ("No space left on device").
void writeWhole(const QString& path, const QByteArray& bytes);

} // namespace FileErrors
