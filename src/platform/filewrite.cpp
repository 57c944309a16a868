#include "platform/filewrite.h"

#include "platform/fileattributes.h"
#include "platform/filelocation.h"
#include "platform/inplacewrite.h"
#include "platform/posixfile.h"
#include "platform/savesteps.h"
#include "platform/temporaryfile.h"

#include <QFile>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace saltor {

namespace {

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

// Writes bytes into a device in place: a save through a new file would replace the device
// node itself with a regular file.
WriteResult writeDevice(const FileLocation& at, const QByteArray& bytes)
{
    bool changed = false;
    Descriptor fd(openSame(at.folder.get(), at.name, O_WRONLY, at.info, &changed));
    if (changed)
        return failure(kChangedMeanwhile);
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
        return failure(error == EEXIST ? kChangedMeanwhile : systemError(error));
    return written(syncFolder(at.folder.get()));
}

// Gives the new file the old one's owner and group, where they differ from the saver's own.
bool giveOwner(int fd, const struct stat& old)
{
    struct stat made;
    return ::fstat(fd, &made) == 0
           && ((made.st_uid == old.st_uid && made.st_gid == old.st_gid) || ::fchown(fd, old.st_uid, old.st_gid) == 0);
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
        return failure(kChangedMeanwhile);
    if (old.get() < 0)
        return std::nullopt;
    if (std::optional<WriteResult> refused = takeAlone(old.get(), at))
        return refused;
    // A file that takes no change cannot be replaced either; the write in place says why.
    const std::optional<FileAttributes> attributes = FileAttributes::of(old.get());
    if (!attributes || attributes->takeNoChange())
        return std::nullopt;

    TemporaryFile file(at.folder.get(), 0600);
    // The owner first, so that a file of another user's costs no write, and the flags, some of
    // which a file system takes only on an empty file; the extended attributes and the mode
    // after the write, which would clear set-user-ID and set-group-ID for a saver other than
    // root. Then everything is looked at once more, as the system may have adjusted it.
    if (file.fd() < 0 || !giveOwner(file.fd(), at.info) || !attributes->giveFlags(file.fd()))
        return std::nullopt;
    if (const int error = writeAll(file.fd(), bytes))
        return failure(error);
    if (!attributes->giveAttributes(file.fd()) || !giveMode(file.fd(), at.info)
        || FileAttributes::of(file.fd()) != attributes)
        return std::nullopt;

    const int error = file.replace(at.name, at.info);
    if (error == EEXIST)
        return failure(kChangedMeanwhile);
    // A folder that does not let the new file take the name (a sticky folder, one that gives
    // its files another project ID) leaves the old file to be written in place.
    if (error == EPERM || error == EACCES || error == EBUSY || error == EXDEV)
        return std::nullopt;
    if (error)
        return failure(error);
    return written(syncFolder(at.folder.get()));
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
        return failure(kChangedMeanwhile);
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
