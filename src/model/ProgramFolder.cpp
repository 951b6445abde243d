#include "model/ProgramFolder.h"

#include <QDir>

QString TProgramFolder::dbFolder() const {
    return QDir(m_folder).filePath(QStringLiteral("db"));
}

QString TProgramFolder::dbFile(const QString& name) const {
    return QDir(dbFolder()).filePath(name);
}
