#include "model/ProgramFolder.h"

#include "model/Errors.h"
#include "model/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef DORAVEL_SHARED_DATA_FROM_BIN
#define DORAVEL_SHARED_DATA_FROM_BIN "../share/doravel3"
#endif

namespace {

const QString dbName = QStringLiteral("db");
const QString helpPageName = QStringLiteral("dv3_help/help.htm");

} // namespace

TProgramFolder::TProgramFolder(QString folder)
    : m_folder(std::move(folder)), m_helpPage(QDir(m_folder).filePath(helpPageName)) {}

TProgramFolder::TProgramFolder(QString folder, QString helpPage, QString shippedDbFolder)
    : m_folder(std::move(folder)), m_helpPage(std::move(helpPage)), m_shippedDbFolder(std::move(shippedDbFolder)) {}

TProgramFolder TProgramFolder::locate(const QString& programFolder, const QString& userDataFolder) {
    const QDir program(programFolder);
    if (QFileInfo(program.filePath(dbName)).isDir()) return TProgramFolder(programFolder);
    // Relative to the program file, so a package installed under another prefix finds its files too.
    const QDir shared(QDir::cleanPath(program.filePath(QStringLiteral(DORAVEL_SHARED_DATA_FROM_BIN))));
    return TProgramFolder(userDataFolder, shared.filePath(helpPageName), shared.filePath(dbName));
}

QString TProgramFolder::userDataFolder() {
    // The path QStandardPaths::AppDataLocation gives for maker "Merkona" and program "Doravel3"; the
    // application's own name stays "Doravel 3", the title of the message boxes.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Merkona/Doravel3"));
}

QString TProgramFolder::dbFolder() const {
    return QDir(m_folder).filePath(dbName);
}

QString TProgramFolder::dbFile(const QString& name) const {
    return QDir(dbFolder()).filePath(name);
}

void TProgramFolder::prepareUserData() const {
    if (isPortable()) return;
    const QString folder = dbFolder();
    if (!QDir().mkpath(folder)) throw DoravelError(FileErrors::text(FileErrors::Action::Create, folder));
    const QDir shipped(m_shippedDbFolder);
    for (const QString& name : shipped.entryList(QDir::Files)) {
        const QString target = dbFile(name);
        if (QFileInfo::exists(target)) continue;
        QFile source(shipped.filePath(name));
        if (!source.open(QIODevice::ReadOnly))
            throw DoravelError(FileErrors::text(FileErrors::Action::Open, source.fileName(), source.errorString()));
        FileErrors::writeWhole(target, source.readAll());
    }
}
