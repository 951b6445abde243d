#pragma once

#include <QString>

// Where the program keeps its pick lists, prices and order database (the "db" folder) and where it
// reads its help page. A portable program — its own folder holds a "db" folder: the build folder, a
// folder copied to a workshop PC — keeps all of it beside the program file. An installed program
// (<prefix>/bin) keeps the user's data in the user's data folder and reads the help page and the
// shipped lists and prices from where they were installed (<prefix>/share/doravel3).
// Start-up decides with `locate`; tests build a portable folder on a temporary folder.
class TProgramFolder {
public:
    // Everything beside the program file.
    explicit TProgramFolder(QString folder);

    // Portable when `programFolder` holds a "db" folder; installed otherwise, with its data in
    // `userDataFolder`.
    static TProgramFolder locate(const QString& programFolder, const QString& userDataFolder);
    // The user's data folder of an installed program, "~/.local/share/Merkona/Doravel3" on Linux:
    // the maker and program names of the settings store.
    static QString userDataFolder();

    bool isPortable() const { return m_shippedDbFolder.isEmpty(); }
    // The folder that holds the "db" folder.
    const QString& path() const { return m_folder; }
    QString dbFolder() const;
    // A file of the db folder, as "1.txt" or "cost.txt".
    QString dbFile(const QString& name) const;
    // The help page "dv3_help/help.htm", whether or not it exists.
    QString helpPage() const { return m_helpPage; }
    // The installed lists and prices an installed program starts from; empty for a portable one.
    const QString& shippedDbFolder() const { return m_shippedDbFolder; }

    // An installed program's first start: makes the db folder and copies into it each shipped file it
    // does not hold yet, never overwriting one. Nothing to do for a portable program. Throws
    // DoravelError with the file system's message when the folder or a file cannot be made.
    void prepareUserData() const;

private:
    TProgramFolder(QString folder, QString helpPage, QString shippedDbFolder);

    QString m_folder;
    QString m_helpPage;
    QString m_shippedDbFolder;
};
