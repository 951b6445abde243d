#include "support/TestSupport.h"

#include "settings/TextListFile.h"

#include <QDir>
#include <QFile>

TTestFolder::TTestFolder() {
    QDir(m_dir.path()).mkdir(QStringLiteral("db"));
    writeDbFile(QStringLiteral("1.txt"), {QStringLiteral("Eloksal Gümüş"), QStringLiteral("Bronz")});
    writeDbFile(QStringLiteral("2.txt"), {QStringLiteral("Klasik"), QStringLiteral("Slim")});
    writeDbFile(QStringLiteral("3.txt"),
                {QStringLiteral("Beyaz"), QStringLiteral("Ceviz"), QStringLiteral("Füme Cam")});
    writeDbFile(QStringLiteral("cost.txt"),
                {QStringLiteral("12"), QStringLiteral("35"), QStringLiteral("60"), QStringLiteral("1,5"),
                 QStringLiteral("0,8"), QStringLiteral("0,9"), QStringLiteral("25")});
}

QString TTestFolder::settingsFile() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("settings.ini"));
}

QString TTestFolder::dbFile(const QString& name) const {
    return TProgramFolder(m_dir.path()).dbFile(name);
}

void TTestFolder::writeDbFile(const QString& name, const QStringList& lines) const {
    TextListFile::write(dbFile(name), lines);
}

void TTestFolder::removeDbFile(const QString& name) const {
    QFile::remove(dbFile(name));
}

std::unique_ptr<TSession> TTestFolder::makeSession() const {
    return std::make_unique<TSession>(TProgramFolder(m_dir.path()), TProfileStore::openFile(settingsFile()));
}

TProfileGroup defaultGroup() {
    TProfileGroup group;
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        group.setText(value, TProfileGroup::defaultText(value));
    return group;
}

TProfileGroup exampleGroup() {
    return groupWith({{TProfileGroup::top, "3"},
                      {TProfileGroup::under, "3"},
                      {TProfileGroup::side, "2,5"},
                      {TProfileGroup::mhor, "2"},
                      {TProfileGroup::mver, "2"},
                      {TProfileGroup::incover, "0,5"}});
}

TProfileGroup groupWith(std::initializer_list<std::pair<int, const char*>> values) {
    TProfileGroup group = defaultGroup();
    for (const auto& [value, text] : values)
        group.setText(value, QString::fromUtf8(text));
    return group;
}

namespace ProjectBuilder {

TProject entered(const QString& openingWidth, const QString& openingHeight, const QString& doorHeight,
                 const QStringList& widths) {
    TProject project;
    project.orderName = QStringLiteral("Deneme");
    project.openingWidth = openingWidth;
    project.openingHeight = openingHeight;
    project.doorHeight = doorHeight;
    project.doorCount = QString::number(widths.size());
    for (int door = 1; door <= 6; ++door)
        project.doorWidths[door] = door <= widths.size() ? widths.at(door - 1) : QStringLiteral("0");
    return project;
}

void setDoor(TProject& project, int door, const QString& direction, const QString& count) {
    project.cell(door, TProject::DirectionColumn) = direction;
    project.cell(door, TProject::CountColumn) = count;
}

void setDivision(TProject& project, int door, int division, const QString& width, const QString& height,
                 const QString& kind, const QString& name) {
    project.cell(door, TProject::widthColumn(division)) = width;
    project.cell(door, TProject::heightColumn(division)) = height;
    project.cell(door, TProject::kindColumn(division)) = kind;
    project.cell(door, TProject::nameColumn(division)) = name;
}

void setSplit(TProject& project, int door, int division, const QStringList& cells) {
    for (int column = 1; column <= 10; ++column)
        project.splitTable(door)[division][column] = cells.value(column - 1);
}

} // namespace ProjectBuilder
