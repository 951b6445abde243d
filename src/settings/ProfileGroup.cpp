#include "settings/ProfileGroup.h"

#include "model/NumberText.h"

namespace {

struct TValueInfo {
    const char* name;
    const char* defaultText;
    const char* caption;
};

const TValueInfo k_values[TProfileGroup::ValueCount] = {
    {"top", "1,2", "Üst Profil İç"},
    {"under", "3,5", "Alt Profil İç"},
    {"side", "3", "Yan Profil İç"},
    {"mhor", "0,7", "Yatay Orta Profil İç"},
    {"mver", "0,7", "Dikey Orta Profil İç"},
    {"work", "3,5", "Üst Ray Çalışma Boşluğu (cm)"},
    {"topw", "0,305", "Üst Profil"},
    {"underw", "0,500", "Alt Profil"},
    {"sidew", "0,500", "Yan Profil"},
    {"mhorw", "0,365", "Yatay Orta Profil"},
    {"mverw", "0,350", "Dikey Orta Profil"},
    {"topslidew", "0,700", "Üst Ray"},
    {"underslidew", "0,500", "Alt Ray"},
    {"outside", "4", "Yan Profil Dış"},
    {"incover", "0,3", "Kapak İçi Parça Boşluğu(cm)"},
    {"name", "Eloksal", "Profil Ölçü Grup İsmi"},
    {"firma", "", "Firma İsmi"},
};

} // namespace

const char* TProfileGroup::valueName(int value) {
    return k_values[value].name;
}

QString TProfileGroup::defaultText(int value) {
    return QString::fromUtf8(k_values[value].defaultText);
}

QString TProfileGroup::caption(int value) {
    return QString::fromUtf8(k_values[value].caption);
}

double TProfileGroup::number(int value) const {
    return NumberText::toFloat(m_values[value]);
}

QStringList ProfileGroupNames::choices() {
    QStringList names;
    for (int i = 1; i <= 5; ++i)
        names << QStringLiteral("Profil Grubu %1").arg(i);
    return names;
}

int ProfileGroupNames::keyNumber(const QString& name) {
    for (int i = 1; i <= 10; ++i)
        if (name == QStringLiteral("Profil Grubu %1").arg(i)) return qMin(i, 5);
    return 0;
}
