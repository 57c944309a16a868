#include "platform/filewrite.h"

#include "platform/fileattributes.h"
#include "platform/filelocation.h"
#include "platform/posixfile.h"
#include "platform/temporaryfile.h"

#include <QFile>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace saltor {

namespace {

const QString kChanged = QStringLiteral("It changed while it was being saved, so nothing was written.");
const QString kBusy = QStringLiteral("It is being saved by another program at this moment.");

WriteResult written(const QString& note = QString())
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

// The failure of a write in place after its first old byte changed.
WriteResult damaged(int error)
{
    return failure(systemError(error)
                   + QStringLiteral("\nThe file was being written in place and may now be damaged."));
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

// Syncs fd: 0 or the error number. A file that cannot be synced (a pseudo-file of the system,
// which answers EINVAL) has nothing to sync.
int sync(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

// Makes a rename in the folder last through a crash: what the user must know of a save that
// did take place when it cannot be sure of that. A folder the saver may not read cannot be
// synced; its rename is left to the system's own write-back.
QString syncFolder(int folder)
{
    const Descriptor fd(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) == 0 || errno == EINVAL)
        return QString();
    return QStringLiteral("It may not be on the disk yet: its folder could not be synced (%1).")
        .arg(systemError(errno));
}

// Opens the file name of folder, which must still be the file the save looked at, without
// following a link that came to stand there meanwhile. -1 with *changed set where it is not.
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

// Writes bytes into a device in place: a save through a new file would replace the device
// node itself with a regular file.
WriteResult writeDevice(const FileLocation& at, const QByteArray& bytes)
{
    bool changed = false;
    Descriptor fd(openSame(at.folder.get(), at.name, O_WRONLY, at.info, &changed));
    if (changed)
        return failure(kChanged);
    if (fd.get() < 0)
        return failure(errno);
    if (const int error = writeAll(fd.get(), bytes))
        return failure(error);
    if (const int error = fd.close())
        return failure(error);
    return written();
}

// A new file: written whole under no name (or a short one of its own), synced, and given the
// name only where nothing stands there by then.
WriteResult writeNewFile(const FileLocation& at, const QByteArray& bytes)
{
    TemporaryFile file(at.folder.get(), 0666);
    if (file.fd() < 0)
        return failure(file.error());
    if (const int error = writeAll(file.fd(), bytes))
        return failure(error);
    if (const int error = file.link(at.name))
        return failure(error == EEXIST ? kChanged : systemError(error));
    return written(syncFolder(at.folder.get()));
}

// Gives the new file the old one's owner and group, where they differ from the saver's own.
bool giveOwner(int fd, const struct stat& old)
{
    struct stat made;
    return ::fstat(fd, &made) == 0
           && ((made.st_uid == old.st_uid && made.st_gid == old.st_gid) || ::fchown(fd, old.st_uid, old.st_gid) == 0);
}

bool hasMode(int fd, const struct stat& old)
{
    struct stat now;
    return ::fstat(fd, &now) == 0 && (now.st_mode & 07777) == (old.st_mode & 07777);
}

// Gives the file all of the old one's mode (set-user-ID, set-group-ID and sticky bits too):
// false where the system does not let the saver set them all. It drops set-group-ID without
// a word for a group the saver is not in, so the result is looked at.
bool giveMode(int fd, const struct stat& old)
{
    return ::fchmod(fd, old.st_mode & 07777) == 0 && hasMode(fd, old);
}

// Takes the file for this save alone: a second save of it at the same time waits a moment,
// then is refused, rather than mixing its text with this one's. A file system without locks
// goes unlocked.
bool lockAlone(int fd)
{
    for (int waited = 0;; waited += 10) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || waited >= 2000)
            return errno != EWOULDBLOCK;
        ::usleep(10000);
    }
}

// Whether the name still holds the file the save looked at.
bool stillNamed(const FileLocation& at)
{
    struct stat now;
    return ::fstatat(at.folder.get(), at.name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(now, at.info);
}

// Replaces the file at (described by at.info) atomically: a new file beside it takes all of
// bytes, is synced, takes the old one's owner, group, mode, extended attributes and flags, and
// changes places with it in one step, as long as the name still holds the old file then. The
// file is the save's alone meanwhile, as in a write in place. Gives nothing, with everything as
// it was, where that would not keep what the file was: no new file may be made in the folder,
// it cannot be given all the old one had, or the folder does not let it be renamed (a sticky
// folder); the caller writes in place instead.
std::optional<WriteResult> replaceFile(const FileLocation& at, const QByteArray& bytes)
{
    // The attributes are read from the file itself; one the saver may not read is written in place.
    bool changed = false;
    const Descriptor old(openSame(at.folder.get(), at.name, O_RDONLY, at.info, &changed));
    if (changed)
        return failure(kChanged);
    if (old.get() < 0)
        return std::nullopt;
    // A second save that waited for this one finds another file at the name.
    if (!lockAlone(old.get()))
        return failure(kBusy);
    if (!stillNamed(at))
        return failure(kChanged);
    const std::optional<FileAttributes> attributes = FileAttributes::of(old.get());
    if (!attributes)
        return std::nullopt;

    TemporaryFile file(at.folder.get(), 0600);
    // The owner first, so that a file of another user's costs no write, and the flags, some of
    // which a file system takes only on an empty file; the extended attributes and the mode
    // after the write, which would clear set-user-ID and set-group-ID for a saver other than
    // root; immutable and append-only last. Then everything is looked at once more, as the
    // system may have adjusted it.
    if (file.fd() < 0 || !giveOwner(file.fd(), at.info) || !attributes->giveFlags(file.fd()))
        return std::nullopt;
    if (const int error = writeAll(file.fd(), bytes))
        return failure(error);
    if (!attributes->giveAttributes(file.fd()) || !giveMode(file.fd(), at.info) || !attributes->seal(file.fd())
        || FileAttributes::of(file.fd()) != attributes)
        return std::nullopt;

    const int error = file.replace(at.name, at.info);
    if (error == EEXIST)
        return failure(kChanged);
    if (error == EPERM || error == EACCES || error == EBUSY)
        return std::nullopt;
    if (error)
        return failure(error);
    return written(syncFolder(at.folder.get()));
}

// Whether the file fd is on a file system that holds its data on a disk: pseudo-files of the
// system (/proc, /sys) have no blocks to reserve, and writing a byte there to reserve one
// would be taken as a value.
bool onDisk(int fd)
{
    struct statfs disk;
    return ::fstatfs(fd, &disk) != 0 || disk.f_blocks > 0;
}

// Reserves the first size bytes of fd without changing its size, so that until the first write
// a stop leaves the file as it was: 0, or the error number that says they do not fit. Where
// the file system has no means of its own, the C library reserves them by reading and writing
// a byte of every block, which lengthens the file; any other error goes ahead unreserved.
int reserve(int fd, qsizetype size)
{
    if (size == 0 || !onDisk(fd))
        return 0;
    int error;
    do
        error = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(size)) == 0 ? 0 : errno;
    while (error == EINTR);
    if (error == EOPNOTSUPP) {
        do
            error = ::posix_fallocate(fd, 0, off_t(size));
        while (error == EINTR);
    }
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO ? error : 0;
}

// What a write in place by a saver other than root took of the file's mode: the system clears
// set-user-ID and set-group-ID on a write. Its owner sets them again; a note says where they
// stay lost.
QString restoreMode(int fd, const struct stat& old)
{
    if (hasMode(fd, old) || giveMode(fd, old))
        return QString();
    return QStringLiteral("The system took away its set-user-ID or set-group-ID bit on writing it, and only its "
                          "owner, in its group, may set it again.");
}

// Opens the file for writing, and for reading too where the saver may read it: where the file
// system cannot reserve space itself, the C library does so by reading and writing a byte of
// every block.
int openForWriting(const FileLocation& at, bool* changed)
{
    const int fd = openSame(at.folder.get(), at.name, O_RDWR, at.info, changed);
    return fd >= 0 || *changed || errno != EACCES ? fd : openSame(at.folder.get(), at.name, O_WRONLY, at.info, changed);
}

// Gives the empty file the no-copy-on-write flag of fd, or takes it away: a file system shares
// blocks only between files that both have it or both lack it.
bool copiesAsFd(int fd, int empty)
{
    int flags = 0, own = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 || ::ioctl(empty, FS_IOC_GETFLAGS, &own) != 0)
        return true;
    int wanted = (own & ~FS_NOCOW_FL) | (flags & FS_NOCOW_FL);
    return wanted == own || (::ioctl(empty, FS_IOC_SETFLAGS, &wanted) == 0 && ::ioctl(empty, FS_IOC_GETFLAGS, &own) == 0
                             && own == wanted);
}

// Puts bytes in the file fd on a file system that shares blocks between files (btrfs, xfs):
// there a block overwritten may take a new one, which no reservation promises. So the whole
// text goes to a new file beside it first, where a full disk shows with nothing of fd changed,
// and fd then takes that file's blocks in one step. Nothing, with the file as it was, where the
// file system shares no blocks or the folder takes no new file.
std::optional<WriteResult> shareBlocks(const FileLocation& at, int fd, const QByteArray& bytes)
{
    // Taking the blocks of an empty file changes nothing and tells whether it can be done.
    TemporaryFile text(at.folder.get(), 0600);
    if (text.fd() < 0 || ::ioctl(fd, FICLONE, text.fd()) != 0 || !copiesAsFd(fd, text.fd()))
        return std::nullopt;
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return failure(errno);
    if (const int error = writeAll(text.fd(), bytes))
        return failure(error);
    // A last block partly filled goes only to the end of a file: a shorter text reaches the end
    // of the file with a hole, and the file is cut to it after.
    if (bytes.size() < info.st_size && ::ftruncate(text.fd(), info.st_size) != 0)
        return failure(errno);
    // A file system that finds blocks only as it writes them back (btrfs) may tell that it is
    // full only at the sync.
    if (::fsync(text.fd()) != 0)
        return failure(errno);
    if (::ioctl(fd, FICLONE, text.fd()) != 0)
        return damaged(errno);
    if (::ftruncate(fd, off_t(bytes.size())) != 0)
        return damaged(errno);
    return written();
}

// Writes bytes over fd from its start and cuts it to their length. The new size is reserved
// first, so a full disk shows before the first old byte changes and the file stays as it was.
// Where the file system cannot reserve space and a later step fails, the reason says that the
// file may now be damaged.
WriteResult overwrite(int fd, const QByteArray& bytes, off_t oldSize)
{
    // Space reserved past the end goes again, and a file the C library lengthened is cut back.
    if (const int error = reserve(fd, bytes.size()))
        return ::ftruncate(fd, oldSize) == 0 ? failure(error) : damaged(error);
    qsizetype done = 0;
    int error = writeAll(fd, bytes, &done);
    if (!error && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    if (!error)
        return written();
    // A first write that failed changed no old byte.
    return done == 0 && ::ftruncate(fd, oldSize) == 0 ? failure(error) : damaged(error);
}

// Writes bytes into the file itself, which keeps its inode and with it its owner, group, mode,
// attributes and every name: on a file system that shares blocks between files, by giving it
// those of a new file written whole; elsewhere over its own blocks.
WriteResult writeInPlace(const FileLocation& at, const QByteArray& bytes)
{
    bool changed = false;
    Descriptor fd(openForWriting(at, &changed));
    if (changed)
        return failure(kChanged);
    if (fd.get() < 0)
        return failure(errno);
    if (!lockAlone(fd.get()))
        return failure(kBusy);
    std::optional<WriteResult> put = shareBlocks(at, fd.get(), bytes);
    if (!put)
        put = overwrite(fd.get(), bytes, at.info.st_size);
    if (!put->ok)
        return *put;
    if (const int error = sync(fd.get()))
        return damaged(error);
    const QString note = restoreMode(fd.get(), at.info);
    if (const int error = fd.close())
        return damaged(error);
    return written(note);
}

} // namespace

WriteResult writeWholeFile(const QString& path, const QByteArray& bytes, const FileStamp& asked)
{
    const FileLocation at = locateFile(QFile::encodeName(path));
    if (at.error)
        return failure(at.error);
    // The file replaced is the one the user was asked about, and a new file is made only where
    // none stood when the name was chosen.
    if (at.changing || at.stamp() != asked)
        return failure(kChanged);
    if (!at.exists)
        return writeNewFile(at, bytes);
    if (!S_ISREG(at.info.st_mode)) {
        // A device (such as /dev/null or /dev/full) is written in place; a folder, pipe or
        // socket is no file to save into, and opening a pipe would wait for a reader.
        if (S_ISCHR(at.info.st_mode) || S_ISBLK(at.info.st_mode))
            return writeDevice(at, bytes);
        return failure(notAFile(at.info.st_mode));
    }
    // A file the saver may not write is not replaced either, though its folder would allow it.
    if (::faccessat(at.folder.get(), at.name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
        return failure(errno);
    if (at.info.st_nlink == 1) {
        if (std::optional<WriteResult> replaced = replaceFile(at, bytes))
            return *replaced;
    }
    return writeInPlace(at, bytes);
}

} // namespace saltor
