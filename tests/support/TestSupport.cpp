#include "support/TestSupport.h"

#include "settings/TextListFile.h"

#include <QDir>
#include <QFile>

TTestFolder::TTestFolder() {
    QDir(m_dir.path()).mkdir(QStringLiteral("db"));
    writeDbFile(QStringLiteral("1.txt"), {QStringLiteral("Eloksal Gümüş"), QStringLiteral("Bronz")});
    writeDbFile(QStringLiteral("2.txt"), {QStringLiteral("Klasik"), QStringLiteral("Slim")});
    writeDbFile(QStringLiteral("3.txt"), {QStringLiteral("Beyaz"), QStringLiteral("Ceviz"), QStringLiteral("Füme Cam")});
    writeDbFile(QStringLiteral("cost.txt"), {QStringLiteral("12"), QStringLiteral("35"), QStringLiteral("60"),
                                             QStringLiteral("1,5"), QStringLiteral("0,8"), QStringLiteral("0,9"),
                                             QStringLiteral("25")});
}

QString TTestFolder::settingsFile() const { return QDir(m_dir.path()).filePath(QStringLiteral("settings.ini")); }

QString TTestFolder::dbFile(const QString& name) const {
    return QDir(m_dir.path()).filePath(QStringLiteral("db/") + name);
}

void TTestFolder::writeDbFile(const QString& name, const QStringList& lines) const {
    TextListFile::write(dbFile(name), lines);
}

void TTestFolder::removeDbFile(const QString& name) const { QFile::remove(dbFile(name)); }

std::unique_ptr<TSession> TTestFolder::makeSession() const {
    return std::make_unique<TSession>(TProgramFolder(m_dir.path()), TProfileStore::openFile(settingsFile()));
}

TProfileGroup defaultGroup() {
    TProfileGroup group;
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        group.setText(value, TProfileGroup::defaultText(value));
    return group;
}

TProfileGroup groupWith(std::initializer_list<std::pair<int, const char*>> values) {
    TProfileGroup group = defaultGroup();
    for (const auto& [value, text] : values)
        group.setText(value, QString::fromUtf8(text));
    return group;
}
