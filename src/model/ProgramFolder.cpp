#include "model/ProgramFolder.h"

#include <QDir>

QString TProgramFolder::dbFolder() const {
    return QDir(m_folder).filePath(QStringLiteral("db"));
}

QString TProgramFolder::file(const QString& relative) const {
    return QDir(m_folder).filePath(relative);
}
