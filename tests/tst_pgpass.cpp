#include "settings/PgPassFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPgPass : public QObject {
    Q_OBJECT

private:
    static QString readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void storedEntryIsPrivateAndReplacesOnlyItsOwnLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral(".pgpass"));
        QFile seed(path);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write("other:5432:db:user:keep\nsunucu:5432:dora:atolye:eski\n");
        seed.close();

        PgPassFile::storePassword(path, QStringLiteral("sunucu"), 5432, QStringLiteral("dora"),
                                  QStringLiteral("atolye"), QStringLiteral("yeni"));

        QCOMPARE(readAll(path), QStringLiteral("other:5432:db:user:keep\nsunucu:5432:dora:atolye:yeni\n"));
        QCOMPARE(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                                             QFileDevice::WriteOther),
                 QFileDevice::Permissions());
    }

    void fieldsAreEscaped_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("line");
        QTest::newRow("colon") << QStringLiteral("a:b") << QStringLiteral("h:1:d:u:a\\:b\n");
        QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("h:1:d:u:a\\\\b\n");
        QTest::newRow("pasted line break") << QStringLiteral("şi\nfre") << QStringLiteral("h:1:d:u:şifre\n");
    }

    void fieldsAreEscaped() {
        QFETCH(QString, password);
        QFETCH(QString, line);
        QTemporaryDir dir;
        // In a folder not made yet, as the client library's own folder may be.
        const QString path = dir.filePath(QStringLiteral("postgresql/pass"));
        PgPassFile::storePassword(path, QStringLiteral("h"), 1, QStringLiteral("d"), QStringLiteral("u"), password);
        QCOMPARE(readAll(path), line);
    }
};

QTEST_GUILESS_MAIN(TestPgPass)
#include "tst_pgpass.moc"
