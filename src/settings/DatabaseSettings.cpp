#include "settings/DatabaseSettings.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "settings/PgPassFile.h"
#include "settings/ProfileStore.h"

namespace {

const QString k_engine = QStringLiteral("Veritabani/motor");
const QString k_host = QStringLiteral("Veritabani/sunucu");
const QString k_port = QStringLiteral("Veritabani/port");
const QString k_database = QStringLiteral("Veritabani/ad");
const QString k_user = QStringLiteral("Veritabani/kullanici");
const QString k_serverEngine = QStringLiteral("postgresql");
const QString k_localEngine = QStringLiteral("yerel");

} // namespace

QString TDatabaseSettings::serverName() const {
    return QStringLiteral("%1:%2, veritabanı %3").arg(host).arg(port).arg(database);
}

int PortOf(const QString& text) {
    try {
        return NumberText::toInt(text.trimmed());
    } catch (const EConvertError&) {
        return 0;
    }
}

TDatabaseSettings LoadDatabaseSettings(const TProfileStore& store) {
    TDatabaseSettings settings;
    if (store.readSetting(k_engine) == k_serverEngine) settings.engine = TDatabaseSettings::Engine::Server;
    settings.host = store.readSetting(k_host);
    const int port = PortOf(store.readSetting(k_port));
    if (port > 0 && port < 65536) settings.port = port;
    const QString database = store.readSetting(k_database);
    if (!database.isEmpty()) settings.database = database;
    settings.user = store.readSetting(k_user);
    return settings;
}

void CheckDatabaseSettings(const TDatabaseSettings& settings) {
    if (!settings.onServer()) return;
    if (settings.host.trimmed().isEmpty()) throw TRefusal(DatabaseSettingsTexts::noHost);
    if (settings.port < 1 || settings.port > 65535) throw TRefusal(DatabaseSettingsTexts::badPort);
    if (settings.database.trimmed().isEmpty()) throw TRefusal(DatabaseSettingsTexts::noDatabase);
    if (settings.user.trimmed().isEmpty()) throw TRefusal(DatabaseSettingsTexts::noUser);
}

void SaveDatabaseSettings(TProfileStore& store, const TDatabaseSettings& settings, const QString& password,
                          const QString& passFile) {
    CheckDatabaseSettings(settings);
    if (settings.onServer() && !password.isEmpty())
        PgPassFile::storePassword(passFile, settings.host.trimmed(), settings.port, settings.database.trimmed(),
                                  settings.user.trimmed(), password);
    store.writeSetting(k_engine, settings.onServer() ? k_serverEngine : k_localEngine);
    store.writeSetting(k_host, settings.host.trimmed());
    store.writeSetting(k_port, QString::number(settings.port));
    store.writeSetting(k_database, settings.database.trimmed());
    store.writeSetting(k_user, settings.user.trimmed());
}
