#pragma once

#include <QString>
#include <QStringList>

#include <array>

class TProgramFolder;

// The three pick lists kept in db/1.txt, db/2.txt and db/3.txt: the settings page's working copies.
struct TMaterialLists {
    enum List { ProfileColours, ProfileModels, InnerMaterials, ListCount };
    std::array<QStringList, ListCount> lists;

    static QString fileName(int list);   // "1.txt" … in the db folder
    static QString caption(int list);    // "Profil Renkleri" …
    static QString promptText(int list); // "Profil Rengi" …

    // Adds the entry the operator types at the end of a list; a cancelled prompt gives the empty text,
    // which is added as an empty entry.
    void addAsked(int list);
    // Removes the entry at row; no row (-1) or one past the end removes nothing.
    void remove(int list, int row);

    // Loads each list whose file exists; a missing file leaves its list as it is.
    void load(const TProgramFolder& folder);
    // Writes the three files in order; a failing file stops the save, files before it stay written.
    // A list whose file is there but was never read (the start stopped before it, or the file could
    // not be opened) is not written: its file keeps the entries the window never showed, and a
    // message says so once the other lists are written.
    void save(const TProgramFolder& folder) const;

    // Whether the list is the file's content (or its file was missing when the lists were loaded).
    bool isLoaded(int list) const { return loaded[list]; }

private:
    std::array<bool, ListCount> loaded{};
};

namespace MaterialListTexts {
// "Profil Renkleri listesi kaydedilmedi: …" for a list whose file was never read.
QString notLoaded(int list, const QString& path);
} // namespace MaterialListTexts

// The seven unit prices of db/cost.txt, in the cost table's line order.
struct TCostPrices {
    static constexpr int Count = 7;
    static QString fileName() { return QStringLiteral("cost.txt"); }
    // Reads lines 1..7 into prices; throws "Cannot open file …" for a missing file and
    // "List index out of bounds (%d)" at the first missing line, the prices before it loaded.
    static void load(const TProgramFolder& folder, std::array<QString, Count>& prices);
    static void save(const TProgramFolder& folder, const std::array<QString, Count>& prices);
};
