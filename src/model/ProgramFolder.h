#pragma once

#include <QString>

// The folder of the program file, the "db" folder and the help page inside it. Start-up builds it from
// the program's own path; tests build it on a temporary folder.
class TProgramFolder {
public:
    explicit TProgramFolder(QString folder) : m_folder(std::move(folder)) {}
    const QString& path() const { return m_folder; }
    QString dbFolder() const;
    // A file of the db folder, as "1.txt" or "cost.txt".
    QString dbFile(const QString& name) const;
    // The help page "dv3_help/help.htm", whether or not it exists.
    QString helpPage() const;

private:
    QString m_folder;
};
