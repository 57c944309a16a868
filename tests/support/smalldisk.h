#pragma once

#include <QString>
#include <QTemporaryDir>

namespace saltor::testing {

// A small file system of its own, mounted for one test and unmounted after it: a tmpfs, or an
// image on a loop device: ext2 (a file system that cannot reserve space ahead of a write), ext4
// (with access lists and attribute flags), btrfs (which copies every block on write; of at
// least 16 MB) or xfs (with project IDs and shared blocks; always of 300 MB).
// Mounting needs root; without it, or without loop devices, reason() says why not.
class SmallDisk {
public:
    enum class Kind { Tmpfs, Ext2, Ext4, Btrfs, Xfs };
    explicit SmallDisk(Kind kind = Kind::Tmpfs, int kilobytes = 256);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty once mounted; otherwise why it is not, for a skip.
    QString reason() const { return m_reason; }
    QString path() const { return m_mountPoint; }
    // Fills the disk with files in its top folder, leaving about room bytes free (whole
    // blocks); false when it cannot.
    bool fill(qint64 room);

private:
    QTemporaryDir m_dir;
    QString m_mountPoint;
    QString m_reason;
};

} // namespace saltor::testing
