#pragma once

#include <QString>
#include <QTemporaryDir>

namespace saltor::testing {

// A small file system of its own, mounted for one test and unmounted after it: a tmpfs, or an
// ext2 image on a loop device (a file system that cannot reserve space ahead of a write), or an
// ext4 one (with access lists and attribute flags).
// Mounting needs root; without it, or without loop devices, reason() says why not.
class SmallDisk {
public:
    enum class Kind { Tmpfs, Ext2, Ext4 };
    explicit SmallDisk(Kind kind = Kind::Tmpfs, int kilobytes = 256);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty once mounted; otherwise why it is not, for a skip.
    QString reason() const { return m_reason; }
    QString path() const { return m_mountPoint; }
    // Fills the disk with a file in its top folder, leaving about room bytes free (whole
    // blocks); false when it cannot.
    bool fill(qint64 room);

private:
    QTemporaryDir m_dir;
    QString m_mountPoint;
    QString m_reason;
};

} // namespace saltor::testing
