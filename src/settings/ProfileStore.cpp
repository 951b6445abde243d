#include "settings/ProfileStore.h"

#include "model/Clock.h"
#include "model/Errors.h"
#include "model/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace {

QString keyPath(int key, const char* valueName) {
    return QStringLiteral("P%1/%2").arg(key).arg(QLatin1String(valueName));
}

// Qt reads a value with an unclosed quote up to the end of the file and reports no error, so every
// group after it silently vanishes; some garbage it reports only once it writes the file again. A
// file this program wrote has only group lines, "name=value" lines with closed quotes, and blanks.
bool looksDamaged(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0')) return true;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']') || line.size() < 3) return true;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) return true;
        bool open = false;
        for (qsizetype i = equals + 1; i < line.size(); ++i) {
            if (line[i] == '\\')
                ++i;
            else if (line[i] == '"')
                open = !open;
        }
        if (open) return true;
    }
    return false;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
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

TProfileStore::TProfileStore(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {
#ifdef Q_OS_WIN
    if (m_settings->format() == QSettings::NativeFormat) return; // the registry has no file to be damaged
#endif
    const QString path = m_settings->fileName();
    if (m_settings->status() == QSettings::FormatError || looksDamaged(path)) setAsideDamagedFile();
}

void TProfileStore::setAsideDamagedFile() {
    const QString path = m_settings->fileName();
    const QString stem = path + QStringLiteral(".bozuk-") + Clock::today().toString(Qt::ISODate);
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + QStringLiteral("-%1").arg(n);
    const QSettings::Format format = m_settings->format();
    const QSettings::Scope scope = m_settings->scope();
    const QString organization = m_settings->organizationName();
    const QString application = m_settings->applicationName();
    m_settings.reset();
    if (!QFile::rename(path, aside)) {
        m_damaged = true;
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        m_damageNotice = StoreTexts::damagedKept(native(path));
        return;
    }
    if (organization.isEmpty())
        m_settings = std::make_unique<QSettings>(path, format);
    else
        m_settings = std::make_unique<QSettings>(format, scope, organization, application);
    m_damageNotice = StoreTexts::damagedSetAside(native(path), native(aside));
}

QString TProfileStore::takeDamageNotice() {
    return std::exchange(m_damageNotice, QString());
}

TProfileStore::~TProfileStore() = default;

QString TProfileStore::read(int key, const char* valueName) const {
    return m_settings->value(keyPath(key, valueName)).toString();
}

void TProfileStore::write(int key, const char* valueName, const QString& text) {
    write(key, {{valueName, text}});
}

void TProfileStore::write(int key, const std::vector<std::pair<const char*, QString>>& values) {
    std::vector<std::pair<QString, QString>> entries;
    for (const auto& [valueName, text] : values)
        entries.emplace_back(keyPath(key, valueName), text);
    writeEntries(entries);
}

void TProfileStore::writeEntries(const std::vector<std::pair<QString, QString>>& entries) {
    const auto unwritable = [this] {
        return DoravelError(QStringLiteral("Ayarlar kaydedilemedi: %1 yazılamıyor.").arg(m_settings->fileName()));
    };
    const auto damaged = [this] { return DoravelError(StoreTexts::damagedNotWritten(native(m_settings->fileName()))); };
    if (m_damaged || m_settings->status() == QSettings::FormatError) throw damaged();
    if (!m_settings->isWritable()) throw unwritable();
    for (const auto& [path, text] : entries)
        m_settings->setValue(path, text);
    m_settings->sync();
    if (m_settings->status() == QSettings::FormatError) throw damaged();
    if (m_settings->status() != QSettings::NoError) throw unwritable();
}

QString TProfileStore::readSetting(const QString& path) const {
    return m_settings->value(path).toString();
}

void TProfileStore::writeSetting(const QString& path, const QString& text) {
    writeEntries({{path, text}});
}

void EnsureDefaultProfileGroup(TProfileStore& store) {
    const QString notice = store.takeDamageNotice();
    if (!notice.isEmpty()) TMessages::showMessage(notice);
    if (!store.read(1, TProfileGroup::valueName(TProfileGroup::top)).isEmpty()) return;
    std::vector<std::pair<const char*, QString>> values;
    for (int value = 0; value < TProfileGroup::firma; ++value)
        values.emplace_back(TProfileGroup::valueName(value), TProfileGroup::defaultText(value));
    store.write(1, values);
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
    std::vector<std::pair<const char*, QString>> values;
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        values.emplace_back(TProfileGroup::valueName(value), active.text(value));
    store.write(key, values);
}

QString StoreTexts::damagedSetAside(const QString& path, const QString& aside) {
    return QStringLiteral("Ayarlar dosyası bozuk olduğu için okunamadı: %1\n"
                          "Bozuk dosya %2 adıyla saklandı; profil ölçüleri varsayılan değerlerle yeniden başlıyor.")
        .arg(path, aside);
}

QString StoreTexts::damagedKept(const QString& path) {
    return QStringLiteral("Ayarlar dosyası bozuk olduğu için okunamadı: %1\n"
                          "Dosya başka bir adla saklanamadığı için olduğu gibi bırakıldı; ayarlar kaydedilmeyecek.")
        .arg(path);
}

QString StoreTexts::damagedNotWritten(const QString& path) {
    return QStringLiteral("Ayarlar kaydedilmedi: %1 bozuk, üzerine yazılmadı.").arg(path);
}
