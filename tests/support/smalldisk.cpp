#include "support/smalldisk.h"

#include <QFile>
#include <QProcess>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace saltor::testing {

SmallDisk::SmallDisk(Kind kind, int kilobytes)
{
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("mounting a small file system needs root");
        return;
    }
    // Others may reach it: tests write there as an unprivileged user too.
    const QString mountPoint = m_dir.filePath(QStringLiteral("disk"));
    const QByteArray target = QFile::encodeName(mountPoint);
    if (::chmod(QFile::encodeName(m_dir.path()).constData(), 0755) != 0 || ::mkdir(target.constData(), 0755) != 0) {
        m_reason = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    if (kind == Kind::Tmpfs) {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
            m_reason = QStringLiteral("tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
    } else {
        // No blocks kept for root, so that root fills it like anyone else.
        const QString image = m_dir.filePath(QStringLiteral("disk.img"));
        const QString size = QString::number(kind == Kind::Xfs ? 300 * 1024 : kilobytes);
        QProcess make;
        if (kind == Kind::Ext2 || kind == Kind::Ext4)
            make.start(kind == Kind::Ext2 ? QStringLiteral("mkfs.ext2") : QStringLiteral("mkfs.ext4"),
                       {QStringLiteral("-q"), QStringLiteral("-F"), QStringLiteral("-m"), QStringLiteral("0"), image, size});
        else if (QProcess::execute(QStringLiteral("truncate"), {QStringLiteral("-s"), size + QLatin1Char('K'), image}) == 0)
            make.start(kind == Kind::Btrfs ? QStringLiteral("mkfs.btrfs") : QStringLiteral("mkfs.xfs"),
                       kind == Kind::Btrfs ? QStringList{QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("--mixed"), image}
                                           : QStringList{QStringLiteral("-q"), QStringLiteral("-f"), image});
        QProcess mount;
        if (make.waitForFinished(30000) && make.exitStatus() == QProcess::NormalExit && make.exitCode() == 0)
            mount.start(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("loop"), image, mountPoint});
        if (!mount.waitForFinished(30000) || mount.exitCode() != 0) {
            m_reason = QStringLiteral("an image on a loop device: ")
                       + (make.error() == QProcess::FailedToStart ? make.program() + QStringLiteral(" is missing") : QString())
                       + QString::fromLocal8Bit(make.readAllStandardError())
                       + QString::fromLocal8Bit(mount.readAllStandardError());
            return;
        }
    }
    m_mountPoint = mountPoint;
}

SmallDisk::~SmallDisk()
{
    if (!m_mountPoint.isEmpty())
        ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
}

namespace {

// Makes a file of size bytes, on the disk: false, with errno set, where they do not fit. The file system
// reserves its blocks where it can; elsewhere they are written.
bool makeFile(const QByteArray& name, qint64 size)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    int error = ::posix_fallocate(fd, 0, size);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    ::close(fd);
    errno = error;
    return error == 0;
}

} // namespace

bool SmallDisk::fill(qint64 room)
{
    // The room is a file of its own, removed once the rest is full: a full btrfs refuses even
    // to cut a file short.
    const QByteArray spacer = QFile::encodeName(m_mountPoint + QStringLiteral("/spacer"));
    if (room > 0 && !makeFile(spacer, room))
        return false;
    // Files of ever smaller sizes take all the rest, down to the last block.
    int count = 0;
    for (qint64 size = 1024 * 1024; size >= 4096; size /= 4) {
        while (makeFile(QFile::encodeName(m_mountPoint + QStringLiteral("/filler%1").arg(count)), size))
            ++count;
        if (errno != ENOSPC)
            return false;
    }
    if (room > 0 && ::unlink(spacer.constData()) != 0)
        return false;
    // The room freed is taken up again only once the file system has committed it (btrfs).
    ::sync();
    return true;
}

} // namespace saltor::testing
