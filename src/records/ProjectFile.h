#pragma once

#include "model/Project.h"
#include "settings/ProfileGroup.h"

#include <QByteArray>

// One whole project with the profile group it is computed with, as a JSON document (docs/PROJECT_FILE.md).
struct TProjectFileContent {
    TProject project;
    TProfileGroup group;
};

namespace ProjectFile {
QByteArray toJson(const TProject& project, const TProfileGroup& group);
// Throws DoravelError naming the member that is missing or of the wrong type; nothing is half loaded.
TProjectFileContent fromJson(const QByteArray& json);
// A project file is a few kilobytes; a larger one than this is refused before it is read whole.
constexpr qsizetype MaxSize = 4 * 1024 * 1024;
TProjectFileContent read(const QString& path);
// Replaces the file whole or leaves it as it was; throws DoravelError with the system's reason.
void write(const QString& path, const TProject& project, const TProfileGroup& group);
} // namespace ProjectFile
