#include "platform/inplacewrite.h"

#include "platform/fileattributes.h"
#include "platform/posixfile.h"
#include "platform/savesteps.h"
#include "platform/temporaryfile.h"

#include <QString>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace saltor {

namespace {

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

// Puts bytes in the file fd on a file system that shares blocks between files (btrfs, xfs):
// there a block overwritten may take a new one, which no reservation promises. So the whole
// text goes to a new file beside it first, where a full disk shows with nothing of fd changed,
// and fd then takes that file's blocks in one step. Nothing, with the file as it was, where the
// file system shares no blocks or the folder takes no new file.
std::optional<WriteResult> shareBlocks(const FileLocation& at, int fd, const QByteArray& bytes)
{
    // An empty text takes no blocks: the file is only cut.
    if (bytes.isEmpty())
        return std::nullopt;
    // Taking the blocks of an empty file changes nothing and tells whether it can be done.
    TemporaryFile text(at.folder.get(), 0600);
    if (text.fd() < 0 || !copyNoCopyOnWrite(fd, text.fd()) || ::ioctl(fd, FICLONE, text.fd()) != 0)
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

} // namespace

WriteResult writeInPlace(const FileLocation& at, const QByteArray& bytes)
{
    bool changed = false;
    Descriptor fd(openForWriting(at, &changed));
    if (changed)
        return failure(kChangedMeanwhile);
    if (fd.get() < 0)
        return failure(errno);
    if (std::optional<WriteResult> refused = takeAlone(fd.get(), at))
        return *refused;
    std::optional<WriteResult> put = shareBlocks(at, fd.get(), bytes);
    if (!put)
        put = overwrite(fd.get(), bytes, at.info.st_size);
    if (!put->ok) {
        // The system cleared set-user-ID and set-group-ID at the reservation or the cut back.
        restoreMode(fd.get(), at.info);
        return *put;
    }
    if (const int error = sync(fd.get()))
        return damaged(error);
    const QString note = restoreMode(fd.get(), at.info);
    if (const int error = fd.close())
        return damaged(error);
    return written(note);
}

} // namespace saltor
