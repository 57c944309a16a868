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
        QProcess make;
        make.start(kind == Kind::Ext2 ? QStringLiteral("mkfs.ext2") : QStringLiteral("mkfs.ext4"),
                   {QStringLiteral("-q"), QStringLiteral("-F"), QStringLiteral("-m"), QStringLiteral("0"), image,
                    QString::number(kilobytes)});
        QProcess mount;
        if (make.waitForFinished(10000) && make.exitCode() == 0)
            mount.start(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("loop"), image, mountPoint});
        if (!mount.waitForFinished(10000) || mount.exitCode() != 0) {
            m_reason = QStringLiteral("an image on a loop device: ") + QString::fromLocal8Bit(make.readAllStandardError())
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

bool SmallDisk::fill(qint64 room)
{
    const QByteArray name = QFile::encodeName(m_mountPoint + QStringLiteral("/filler"));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'f');
    qint64 size = 0;
    for (ssize_t n; (n = ::write(fd, block.constData(), size_t(block.size()))) > 0;)
        size += n;
    const bool full = errno == ENOSPC && ::ftruncate(fd, qMax<qint64>(0, size - room)) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && full;
}

} // namespace saltor::testing
