#include "model/Errors.h"
#include "records/ProjectFile.h"
#include "support/FullDisk.h"
#include "support/TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace ProjectBuilder;

class TestProjectFile : public QObject {
    Q_OBJECT
private slots:
    void keepsEveryValueAsItsText();
    void namesTheMemberThatIsWrong_data();
    void namesTheMemberThatIsWrong();
    void fullDiskKeepsTheOldFile();
    void refusesAFileLargerThanAProjectCanBe();
};

void TestProjectFile::keepsEveryValueAsItsText() {
    TProject project = entered(QStringLiteral("240"), QStringLiteral("253,5"), QStringLiteral("250"),
                               {QStringLiteral("122"), QStringLiteral("122,00")});
    project.deliveryDate = QDate(2026, 12, 24);
    project.doorsEqual = false;
    project.profileColour = QStringLiteral("Şampanya");
    setDoor(project, 2, QStringLiteral("Dikey"), QStringLiteral("2"));
    setDivision(project, 2, 1, QStringLiteral("57,350"), QStringLiteral("245"), QStringLiteral("Cam"),
                QStringLiteral("Ayna"));
    setSplit(project, 2, 1, {"100", "Cam", "a", "45", "Panel", "b", "0", "Panel", "b", "1"});
    const TProfileGroup group = groupWith({{TProfileGroup::firma, "Öz Alüminyum"}});
    const TProjectFileContent back = ProjectFile::fromJson(ProjectFile::toJson(project, group));
    QCOMPARE(back.project.orderName, project.orderName);
    QCOMPARE(back.project.deliveryDate, project.deliveryDate);
    QCOMPARE(back.project.doorsEqual, false);
    QCOMPARE(back.project.doorHeight, QStringLiteral("250"));
    QCOMPARE(back.project.profileColour, QStringLiteral("Şampanya"));
    for (int door = 1; door <= 6; ++door) {
        QCOMPARE(back.project.doorWidths[door], project.doorWidths[door]);
        for (int column = 1; column < TProject::DoorColumns; ++column)
            QCOMPARE(back.project.cell(door, column), project.cell(door, column));
        QCOMPARE(back.project.splitTable(door), project.splitTable(door));
    }
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        QCOMPARE(back.group.text(value), group.text(value));
}

void TestProjectFile::namesTheMemberThatIsWrong_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing header member") << "header/orderName"
                                           << "'header.orderName' eksik";
    QTest::newRow("missing group value") << "profileGroup/incover"
                                         << "'profileGroup.incover' eksik";
    QTest::newRow("missing tables") << "splits"
                                    << "'splits' eksik";
}

void TestProjectFile::namesTheMemberThatIsWrong() {
    QFETCH(QString, path);
    QFETCH(QString, message);
    QJsonObject root = QJsonDocument::fromJson(ProjectFile::toJson(TProject(), defaultGroup())).object();
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() == 1) {
        root.remove(parts[0]);
    } else {
        QJsonObject inner = root.value(parts[0]).toObject();
        inner.remove(parts[1]);
        root.insert(parts[0], inner);
    }
    try {
        ProjectFile::fromJson(QJsonDocument(root).toJson());
        QFAIL("no error");
    } catch (const DoravelError& error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
}

void TestProjectFile::fullDiskKeepsTheOldFile() {
    TFullDisk disk;
    if (!disk.available()) QSKIP(qPrintable(disk.why()));
    const QString path = disk.filePath(QStringLiteral("order.json"));
    TProject project = entered(QStringLiteral("240"), QStringLiteral("253,5"), QStringLiteral("250"),
                               {QStringLiteral("122"), QStringLiteral("122")});
    ProjectFile::write(path, project, defaultGroup());
    disk.fill();
    project.orderName = QStringLiteral("Yeni Ad");
    try {
        ProjectFile::write(path, project, defaultGroup());
        QFAIL("the full disk was reported as a successful save");
    } catch (const DoravelError& error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                 qPrintable(error.message()));
    }
    QCOMPARE(ProjectFile::read(path).project.orderName, QStringLiteral("Deneme"));
}

void TestProjectFile::refusesAFileLargerThanAProjectCanBe() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(ProjectFile::MaxSize + 1));
    file.close();
    try {
        ProjectFile::read(path);
        QFAIL("no error");
    } catch (const DoravelError& error) {
        QCOMPARE(error.message(), QStringLiteral("Proje dosyası okunamadı: \"%1\" 4 MB'tan büyük.").arg(path));
    }
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
