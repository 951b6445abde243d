#include "model/ProgramFolder.h"

#include <QDir>

QString TProgramFolder::dbFolder() const {
    return QDir(m_folder).filePath(QStringLiteral("db"));
}

QString TProgramFolder::dbFile(const QString& name) const {
    return QDir(dbFolder()).filePath(name);
}

QString TProgramFolder::helpPage() const {
    return QDir(m_folder).filePath(QStringLiteral("dv3_help/help.htm"));
}
