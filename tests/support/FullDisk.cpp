#include "support/FullDisk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

TFullDisk::TFullDisk() {
#ifdef Q_OS_LINUX
    const QByteArray target = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k,mode=0755") == 0)
        m_mounted = true;
    else
        m_why = QStringLiteral("no small file system to fill: mounting a 64 KiB tmpfs was refused (%1); "
                               "the test needs root, as on the CI machine")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
#else
    m_why = QStringLiteral("no small file system to fill on this system");
#endif
}

TFullDisk::~TFullDisk() {
#ifdef Q_OS_LINUX
    if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
}

QString TFullDisk::filePath(const QString& name) const {
    return QDir(m_dir.path()).filePath(name);
}

void TFullDisk::fill() {
    QFile filler(filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // the last partial block
    while (filler.write("x", 1) == 1) {
    }
}
