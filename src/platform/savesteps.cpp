#include "platform/savesteps.h"

#include "platform/posixfile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace saltor {

WriteResult written(const QString& note)
{
    return WriteResult{true, {}, note};
}

WriteResult failure(const QString& reason)
{
    return WriteResult{false, reason, {}};
}

WriteResult failure(int error)
{
    return failure(systemError(error));
}

WriteResult damaged(int error)
{
    return failure(systemError(error)
                   + QStringLiteral("\nThe file was being written in place and may now be damaged."));
}

int writeAll(int fd, const QByteArray& bytes, qsizetype* written)
{
    qsizetype done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += n;
    }
    if (written)
        *written = done;
    return error;
}

int sync(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

int openSame(int folder, const QByteArray& name, int flags, const struct stat& looked, bool* changed)
{
    const int fd = ::openat(folder, name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    *changed = (fd < 0 && (errno == ELOOP || errno == ENOENT))
               || (fd >= 0 && (::fstat(fd, &info) != 0 || !sameFile(info, looked)));
    if (fd >= 0 && *changed) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<WriteResult> takeAlone(int fd, const FileLocation& at)
{
    for (int waited = 0;; waited += 10) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            break;
        if (waited >= 2000)
            return failure(kSavedElsewhere);
        ::usleep(10000);
    }
    if (!at.stillNamed())
        return failure(kChangedMeanwhile);
    return std::nullopt;
}

bool hasMode(int fd, const struct stat& old)
{
    struct stat now;
    return ::fstat(fd, &now) == 0 && (now.st_mode & 07777) == (old.st_mode & 07777);
}

bool giveMode(int fd, const struct stat& old)
{
    return ::fchmod(fd, old.st_mode & 07777) == 0 && hasMode(fd, old);
}

} // namespace saltor
