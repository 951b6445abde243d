#include "settings/CuttingSettings.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "settings/ProfileStore.h"

namespace {

const char* const k_names[] = {"topRail",          "bottomRail",     "side", "top",  "bottom",
                               "horizontalMiddle", "verticalMiddle", "kerf", "trim", "minOffcut"};

QString storePath(int value) {
    return QStringLiteral("Kesim/%1").arg(QLatin1String(k_names[value]));
}

} // namespace

const char* TCuttingSettings::valueName(int value) {
    return k_names[value];
}

QString TCuttingSettings::defaultText(int value) {
    switch (value) {
    case kerf:
        return QStringLiteral("0,4");
    case trim:
        return QStringLiteral("0");
    case minOffcut:
        return QStringLiteral("50");
    default:
        return QStringLiteral("600");
    }
}

QString TCuttingSettings::kindName(int kind) {
    static const QString names[] = {QStringLiteral("Üst Ray"),          QStringLiteral("Alt Ray"),
                                    QStringLiteral("Yan Profil"),       QStringLiteral("Üst Profil"),
                                    QStringLiteral("Alt Profil"),       QStringLiteral("Yatay Orta Profil"),
                                    QStringLiteral("Dikey Orta Profil")};
    return names[kind];
}

QString TCuttingSettings::caption(int value) {
    switch (value) {
    case kerf:
        return QStringLiteral("Testere Payı (cm)");
    case trim:
        return QStringLiteral("Uç Kesme Payı (cm)");
    case minOffcut:
        return QStringLiteral("Saklanacak En Kısa Artık (cm)");
    default:
        return kindName(value) + QStringLiteral(" Boyu (cm)");
    }
}

TCuttingSettings::TCuttingSettings() {
    for (int value = 0; value < ValueCount; ++value)
        m_values[value] = defaultText(value);
}

double TCuttingSettings::number(int value) const {
    return NumberText::toFloat(m_values[value]);
}

void TCuttingSettings::check() const {
    for (int value = 0; value < ValueCount; ++value)
        number(value);
    if (number(kerf) < 0 || number(trim) < 0 || number(minOffcut) < 0)
        throw DoravelError(QStringLiteral("Testere payı, uç kesme payı ve saklanacak artık eksi olamaz."));
    for (int kind = 0; kind < KindCount; ++kind)
        if (number(kind) - 2 * number(trim) <= 0)
            throw DoravelError(QStringLiteral("%1 boyu %2 cm: uç kesme payları düşülünce kullanılacak boy kalmıyor.")
                                   .arg(kindName(kind), m_values[kind]));
}

void LoadCuttingSettings(const TProfileStore& store, TCuttingSettings& settings) {
    for (int value = 0; value < TCuttingSettings::ValueCount; ++value) {
        const QString text = store.readSetting(storePath(value));
        settings.setText(value, text.isEmpty() ? TCuttingSettings::defaultText(value) : text);
    }
}

void SaveCuttingSettings(TProfileStore& store, const TCuttingSettings& settings) {
    settings.check();
    for (int value = 0; value < TCuttingSettings::ValueCount; ++value)
        store.writeSetting(storePath(value), settings.text(value));
}
