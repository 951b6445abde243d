#include "settings/MaterialLists.h"

#include "model/Errors.h"
#include "model/Messages.h"
#include "model/ProgramFolder.h"
#include "model/SingleLine.h"
#include "settings/TextListFile.h"

#include <QDir>

QString TMaterialLists::fileName(int list) {
    return QStringLiteral("%1.txt").arg(list + 1);
}

QString TMaterialLists::caption(int list) {
    static const char* const captions[] = {"Profil Renkleri", "Profil Modelleri", "Kapak İçi Malzeme Renkleri"};
    return QString::fromUtf8(captions[list]);
}

QString TMaterialLists::promptText(int list) {
    static const char* const prompts[] = {"Profil Rengi", "Profil Modeli", "Kapak İçi Malzeme Rengi"};
    return QString::fromUtf8(prompts[list]);
}

void TMaterialLists::addAsked(int list) {
    lists[list] << SingleLine::of(TMessages::inputQuery(QStringLiteral("Malzeme Ekle"), promptText(list)));
}

void TMaterialLists::remove(int list, int row) {
    if (row >= 0 && row < lists[list].size()) lists[list].removeAt(row);
}

void TMaterialLists::load(const TProgramFolder& folder) {
    loaded.fill(false);
    for (int list = 0; list < ListCount; ++list) {
        const QString path = folder.dbFile(fileName(list));
        if (TextListFile::exists(path)) lists[list] = TextListFile::read(path);
        loaded[list] = true;
    }
}

void TMaterialLists::save(const TProgramFolder& folder) const {
    QStringList kept;
    for (int list = 0; list < ListCount; ++list) {
        const QString path = folder.dbFile(fileName(list));
        if (!loaded[list] && TextListFile::exists(path)) {
            kept << MaterialListTexts::notLoaded(list, path);
            continue;
        }
        TextListFile::write(path, lists[list]);
    }
    if (!kept.isEmpty()) TMessages::showMessage(kept.join(QLatin1Char('\n')));
}

QString MaterialListTexts::notLoaded(int list, const QString& path) {
    return QStringLiteral("%1 listesi kaydedilmedi: \"%2\" dosyası açılışta okunamadığı için olduğu gibi bırakıldı.")
        .arg(TMaterialLists::caption(list), QDir::toNativeSeparators(path));
}

void TCostPrices::load(const TProgramFolder& folder, std::array<QString, Count>& prices) {
    const QStringList lines = TextListFile::read(folder.dbFile(fileName()));
    for (int i = 0; i < Count; ++i) {
        if (i >= lines.size()) throw DoravelError(QStringLiteral("List index out of bounds (%1)").arg(i));
        prices[i] = lines.at(i);
    }
}

void TCostPrices::save(const TProgramFolder& folder, const std::array<QString, Count>& prices) {
    QStringList lines;
    for (const QString& price : prices)
        lines << price;
    TextListFile::write(folder.dbFile(fileName()), lines);
}
