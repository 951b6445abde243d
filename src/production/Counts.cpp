#include "production/Counts.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "model/Project.h"

namespace {

int checked(const QString& text, int lowest, int highest, const QString& message) {
    const int value = NumberText::toInt(text);
    if (value < lowest || value > highest) throw TRefusal(message);
    return value;
}

} // namespace

qint64 Counts::cabinets(const TProject& project) {
    return NumberText::toInt(project.dolapadet);
}

int Counts::doors(const TProject& project) {
    return checked(project.doorCount, 2, 6, CountTexts::doorCount(project.doorCount));
}

int Counts::divisions(const TProject& project, int door) {
    const QString& count = project.divisionCount(door);
    return checked(count, 1, 6, CountTexts::divisionCount(door, count));
}

int Counts::separators(const TSplitRow& split, int door, int row) {
    return checked(split[10], 1, 2, CountTexts::separatorCount(door, row, split[10]));
}

QString CountTexts::doorCount(const QString& count) {
    return QStringLiteral("Kapak sayısı 2 ile 6 arasında olmalıdır: '%1'").arg(count);
}

QString CountTexts::divisionCount(int door, const QString& count) {
    return QStringLiteral("%1. kapağın bölme sayısı 1 ile 6 arasında olmalıdır: '%2'").arg(door).arg(count);
}

QString CountTexts::separatorCount(int door, int division, const QString& count) {
    return QStringLiteral("%1. kapağın %2. bölmesinin ara profil sayısı 1 ya da 2 olmalıdır: '%3'")
        .arg(door)
        .arg(division)
        .arg(count);
}
