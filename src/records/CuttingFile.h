#pragma once

#include "settings/CuttingSettings.h"
#include "settings/SheetSettings.h"

#include <QByteArray>

// The project file's optional member `cutting` (docs/PROJECT_FILE.md): the cutting settings the
// plan is made with; a missing member or value takes its default.
namespace CuttingFile {
// Throws DoravelError naming the member that is of the wrong type.
TCuttingSettings fromJson(const QByteArray& json);
TCuttingSettings read(const QString& path);
// The panel and glass settings of the same member: `panelStock` … `glassStages` and the materials'
// own rows `sheetMaterials`.
TSheetSettings sheetSettingsFromJson(const QByteArray& json);
TSheetSettings readSheetSettings(const QString& path);
} // namespace CuttingFile
