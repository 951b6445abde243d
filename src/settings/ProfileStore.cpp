#include "settings/ProfileStore.h"

#include "model/Errors.h"

#include <QSettings>

namespace {

QString keyPath(int key, const char* valueName) {
    return QStringLiteral("P%1/%2").arg(key).arg(QLatin1String(valueName));
}

} // namespace

std::unique_ptr<TProfileStore> TProfileStore::openSystemStore() {
#ifdef Q_OS_WIN
    auto settings =
        std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Merkona"), QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Merkona"), QStringLiteral("Doravel3"));
#endif
    return std::make_unique<TProfileStore>(std::move(settings));
}

std::unique_ptr<TProfileStore> TProfileStore::openFile(const QString& path) {
    return std::make_unique<TProfileStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

TProfileStore::TProfileStore(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {}

TProfileStore::~TProfileStore() = default;

QString TProfileStore::read(int key, const char* valueName) const {
    return m_settings->value(keyPath(key, valueName)).toString();
}

bool TProfileStore::hasKey(int key) const {
    return m_settings->childGroups().contains(QStringLiteral("P%1").arg(key));
}

void TProfileStore::write(int key, const char* valueName, const QString& text) {
    writeSetting(keyPath(key, valueName), text);
}

QString TProfileStore::readSetting(const QString& path) const {
    return m_settings->value(path).toString();
}

void TProfileStore::writeSetting(const QString& path, const QString& text) {
    const auto unwritable = [this] {
        return DoravelError(QStringLiteral("Ayarlar kaydedilemedi: %1 yazılamıyor.").arg(m_settings->fileName()));
    };
    if (!m_settings->isWritable()) throw unwritable();
    m_settings->setValue(path, text);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) throw unwritable();
}

void EnsureDefaultProfileGroup(TProfileStore& store) {
    if (!store.read(1, TProfileGroup::valueName(TProfileGroup::top)).isEmpty()) return;
    for (int value = 0; value < TProfileGroup::firma; ++value)
        store.write(1, TProfileGroup::valueName(value), TProfileGroup::defaultText(value));
}

void LoadStartupProfileGroup(const TProfileStore& store, TProfileGroup& active) {
    for (int value = 0; value < TProfileGroup::firma; ++value)
        active.setText(value, store.read(1, TProfileGroup::valueName(value)));
}

void LoadProfileGroup(const TProfileStore& store, const QString& groupName, TProfileGroup& active) {
    const int key = ProfileGroupNames::keyNumber(groupName);
    if (key == 0) return;
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        active.setText(value, store.read(key, TProfileGroup::valueName(value)));
}

void SaveProfileGroup(TProfileStore& store, const QString& groupName, const TProfileGroup& active) {
    const int key = ProfileGroupNames::keyNumber(groupName);
    if (key == 0) return;
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        store.write(key, TProfileGroup::valueName(value), active.text(value));
}
