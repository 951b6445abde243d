#pragma once

#include <QString>

// The folder of the program file and the "db" folder inside it. Start-up builds it from the program's
// own path; tests build it on a temporary folder.
class TProgramFolder {
public:
    explicit TProgramFolder(QString folder) : m_folder(std::move(folder)) {}
    const QString& path() const { return m_folder; }
    QString dbFolder() const;
    // A file of the db folder, as "1.txt" or "cost.txt".
    QString dbFile(const QString& name) const;

private:
    QString m_folder;
};
