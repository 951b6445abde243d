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
TProjectFileContent read(const QString& path);
void write(const QString& path, const TProject& project, const TProfileGroup& group);
} // namespace ProjectFile
