#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder on a tiny file system of its own (a 64 KiB tmpfs) that can be filled to the last byte.
// Making one needs the right to mount (root on a test machine); where that is refused, `available()`
// is false and `why()` says what stopped it, for the test's skip note.
class TFullDisk {
public:
    TFullDisk();
    ~TFullDisk();
    TFullDisk(const TFullDisk&) = delete;
    TFullDisk& operator=(const TFullDisk&) = delete;

    bool available() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const;
    // Takes up every byte that is still free.
    void fill();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};
