#include "platform/filewrite.h"

#include "platform/posixfile.h"
#include "platform/temporaryfile.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace saltor {

namespace {

// As many links as the kernel follows in one path before it gives up with ELOOP.
constexpr int kLinkDepth = 40;

WriteResult failure(const QString& reason)
{
    return WriteResult{false, reason};
}

WriteResult failure(int error)
{
    return failure(systemError(error));
}

// The failure of a write in place after its first old byte changed.
WriteResult damaged(int error)
{
    return failure(systemError(error) + QStringLiteral("\nThe file was being written in place and may now be damaged."));
}

QByteArray folderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

QByteArray baseOf(const QByteArray& name)
{
    return name.mid(name.lastIndexOf('/') + 1);
}

// The file a save to a path writes: the path itself, or the end of the chain of symbolic links
// that starts there, which may not exist yet.
struct Target {
    QByteArray name;
    bool exists = false;
    struct stat info = {}; // of the file at name, when it exists
    int error = 0;         // why the path leads to no file (a loop, a link that cannot be read)
};

Target resolve(const QByteArray& path)
{
    Target target{path};
    for (int depth = 0;; ++depth) {
        if (::lstat(target.name.constData(), &target.info) != 0) {
            target.error = errno == ENOENT ? 0 : errno;
            return target;
        }
        if (!S_ISLNK(target.info.st_mode)) {
            target.exists = true;
            return target;
        }
        if (depth == kLinkDepth) {
            target.error = ELOOP;
            return target;
        }
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(target.name.constData(), link.data(), size_t(link.size()));
        if (n < 0 || n == link.size()) {
            target.error = n < 0 ? errno : ENAMETOOLONG;
            return target;
        }
        link.truncate(n);
        target.name = link.startsWith('/') ? link : folderOf(target.name) + '/' + link;
    }
}

// Writes all of bytes at the descriptor's offset: 0, or the error number of the write that
// failed; *written counts the bytes that went in before it.
int writeAll(int fd, const QByteArray& bytes, qsizetype* written = nullptr)
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

// A descriptor of a folder for the calls relative to it: open for reading where the saver may
// read the folder, so that it can be synced, and otherwise as a path only.
int openFolder(const QByteArray& name)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 || errno != EACCES ? fd : ::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// Makes a rename in the folder last through a crash. A folder opened as a path only (one the
// saver may not read) cannot be synced; its rename is left to the system's own write-back.
int syncFolder(int folder)
{
    return ::fsync(folder) != 0 && errno != EBADF && errno != EINVAL ? errno : 0;
}

// Writes bytes into a device in place: a save through a temporary file would replace the
// device node itself with a regular file.
WriteResult writeDevice(const QByteArray& name, const QByteArray& bytes)
{
    Descriptor fd(::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0)
        return failure(errno);
    if (!S_ISCHR(info.st_mode) && !S_ISBLK(info.st_mode))
        return failure(notAFile(info.st_mode));
    if (const int error = writeAll(fd.get(), bytes))
        return failure(error);
    if (const int error = fd.close())
        return failure(error);
    return WriteResult{true, {}};
}

// Gives the new file the old one's owner and group, where they differ from the saver's own.
bool giveOwner(int fd, const struct stat& old)
{
    struct stat made;
    return ::fstat(fd, &made) == 0
           && ((made.st_uid == old.st_uid && made.st_gid == old.st_gid) || ::fchown(fd, old.st_uid, old.st_gid) == 0);
}

// Gives the new file all of the old one's mode (set-user-ID, set-group-ID and sticky bits
// too): false where the system does not let the saver set them all. It drops set-group-ID
// without a word for a group the saver is not in, so the result is looked at.
bool giveMode(int fd, const struct stat& old)
{
    struct stat made;
    return ::fchmod(fd, old.st_mode & 07777) == 0 && ::fstat(fd, &made) == 0
           && (made.st_mode & 07777) == (old.st_mode & 07777);
}

// A new file: written beside under a short name, synced and renamed to base, so that base
// never holds a part of the text.
WriteResult writeNewFile(int folder, const QByteArray& base, const QByteArray& bytes)
{
    TemporaryFile file(folder, 0666);
    if (file.fd() < 0)
        return failure(file.error());
    if (const int error = writeAll(file.fd(), bytes))
        return failure(error);
    if (const int error = file.replace(base))
        return failure(error);
    if (const int error = syncFolder(folder))
        return failure(error);
    return WriteResult{true, {}};
}

// Replaces the file base (described by old) atomically: a new file beside it takes all of
// bytes, is synced, takes the old one's owner, group and mode, and is renamed over it. Gives
// nothing, with everything as it was, where that would not keep what the file was: no new
// file may be made in the folder, it cannot be given that owner, group or mode, or the folder
// does not let it be renamed (a sticky folder); the caller writes in place instead.
std::optional<WriteResult> replaceFile(int folder, const QByteArray& base, const struct stat& old,
                                       const QByteArray& bytes)
{
    TemporaryFile file(folder, 0600);
    // The owner first, so that a file of another user's costs no write; the mode after the
    // write, which would clear set-user-ID and set-group-ID for a saver other than root.
    if (file.fd() < 0 || !giveOwner(file.fd(), old))
        return std::nullopt;
    if (const int error = writeAll(file.fd(), bytes))
        return failure(error);
    if (!giveMode(file.fd(), old))
        return std::nullopt;
    if (const int error = file.replace(base))
        return error == EPERM || error == EACCES || error == EBUSY ? std::nullopt : std::optional(failure(error));
    if (const int error = syncFolder(folder))
        return failure(error);
    return WriteResult{true, {}};
}

bool hasExtendedAttributes(const QByteArray& name)
{
    return ::llistxattr(name.constData(), nullptr, 0) > 0;
}

// Opens the file base for writing, and for reading too where the saver may read it: where the
// file system cannot reserve space itself, the C library does so by reading and writing a byte
// of every block.
int openForWriting(int folder, const QByteArray& base)
{
    const int fd = ::openat(folder, base.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    return fd >= 0 || errno != EACCES ? fd : ::openat(folder, base.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
}

// Writes bytes over the file base itself, which keeps its inode and with it its owner, group,
// mode and every name. The new size is reserved first, so a full disk shows before the first
// old byte changes and the file stays as it was. Where the file system cannot reserve space
// and a later step fails, the reason says that the file may now be damaged.
WriteResult writeInPlace(int folder, const QByteArray& base, const QByteArray& bytes)
{
    Descriptor fd(openForWriting(folder, base));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0)
        return failure(errno);
    if (!S_ISREG(info.st_mode))
        return failure(notAFile(info.st_mode));
    if (!bytes.isEmpty()) {
        int error;
        do
            error = ::posix_fallocate(fd.get(), 0, off_t(bytes.size()));
        while (error == EINTR);
        // Other errors say that the file system cannot reserve: the write goes ahead unreserved.
        if (error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO) {
            // A reservation that failed half way may have lengthened the file.
            return ::ftruncate(fd.get(), info.st_size) == 0 ? failure(error) : damaged(error);
        }
    }
    qsizetype written = 0;
    int error = writeAll(fd.get(), bytes, &written);
    // A first write that failed changed no old byte: only the reserved length is to go again.
    const bool untouched = error && written == 0;
    if (!error && ::ftruncate(fd.get(), off_t(bytes.size())) != 0)
        error = errno;
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (!error)
        error = fd.close();
    if (!error)
        return WriteResult{true, {}};
    return untouched && ::ftruncate(fd.get(), info.st_size) == 0 ? failure(error) : damaged(error);
}

} // namespace

WriteResult writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const Target target = resolve(QFile::encodeName(path));
    if (target.error)
        return failure(target.error);
    if (target.exists && !S_ISREG(target.info.st_mode)) {
        // A device (such as /dev/null or /dev/full) is written in place; a folder, pipe or
        // socket is no file to save into, and opening a pipe would wait for a reader.
        if (S_ISCHR(target.info.st_mode) || S_ISBLK(target.info.st_mode))
            return writeDevice(target.name, bytes);
        return failure(notAFile(target.info.st_mode));
    }
    // The file is reached from its folder's descriptor: a path near the system's length limit
    // leaves no room for a temporary name beside it, but the folder's own path is shorter.
    Descriptor folder(openFolder(folderOf(target.name)));
    if (folder.get() < 0)
        return failure(errno);
    const QByteArray base = baseOf(target.name);
    if (!target.exists)
        return writeNewFile(folder.get(), base, bytes);
    // A file the saver may not write is not replaced either, though its folder would allow it.
    if (::faccessat(folder.get(), base.constData(), W_OK, AT_EACCESS) != 0)
        return failure(errno);
    // A new file would take the old one's owner, group and mode, but not its extended
    // attributes (an access control list among them): such a file is written in place.
    if (target.info.st_nlink == 1 && !hasExtendedAttributes(target.name)) {
        if (std::optional<WriteResult> replaced = replaceFile(folder.get(), base, target.info, bytes))
            return *replaced;
    }
    return writeInPlace(folder.get(), base, bytes);
}

bool pathExists(const QString& path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace saltor
