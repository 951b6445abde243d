#include "session/BackupCommands.h"

#include "model/Errors.h"
#include "model/Messages.h"
#include "records/Backup.h"

#include <QDir>
#include <QFileInfo>

void MakeDailyBackup(const TProgramFolder& programFolder, const TDatabaseSettings& settings) {
    try {
        Backup::makeDailyCopy(programFolder, settings);
    } catch (const DoravelError& error) {
        TMessages::showMessage(
            BackupTexts::failed.arg(error.message(), QDir::toNativeSeparators(Backup::folder(programFolder))));
    }
}

bool RestoreBackup(const TProgramFolder& programFolder, const TDatabaseSettings& settings, const QString& copyPath) {
    Backup::checkCopy(settings, copyPath);
    const QString copyName = QFileInfo(copyPath).fileName();
    const QString aside = Backup::asidePath(programFolder);
    if (!TMessages::askYesNo(BackupTexts::question.arg(copyName, QFileInfo(aside).fileName()), true)) return false;
    Backup::replaceWith(programFolder, copyPath, aside);
    TMessages::showMessage(BackupTexts::restored.arg(copyName));
    return true;
}
