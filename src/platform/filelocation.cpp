#include "platform/filelocation.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace saltor {

namespace {

// As many links as the system follows in one path before it gives up with ELOOP.
constexpr int kLinkDepth = 40;

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

Descriptor openFolder(int at, const QByteArray& name)
{
    return Descriptor(::openat(at, name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// The text of the link name in folder: 0, or the error number.
int readLink(int folder, const QByteArray& name, QByteArray* text)
{
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlinkat(folder, name.constData(), buffer.data(), size_t(buffer.size()));
    if (n < 0)
        return errno;
    if (n == buffer.size())
        return ENAMETOOLONG;
    buffer.truncate(n);
    *text = buffer;
    return 0;
}

} // namespace

FileLocation locateFile(const QByteArray& path)
{
    FileLocation at;
    // The one look-up of the path: the system follows the links of its folders.
    at.folder = openFolder(AT_FDCWD, folderOf(path));
    at.name = baseOf(path);
    if (at.folder.get() < 0) {
        at.error = errno;
        return at;
    }
    struct stat own;
    if (::fstatat(at.folder.get(), at.name.constData(), &own, AT_SYMLINK_NOFOLLOW) != 0) {
        at.error = errno == ENOENT ? 0 : errno;
        return at;
    }
    at.named = true;
    if (!S_ISLNK(own.st_mode)) {
        at.exists = true;
        at.info = own;
        return at;
    }

    // A link: the system follows it, refusing a loop and a link its rules forbid to follow
    // (one of another user in a sticky folder), and tells the file it leads to, if any.
    const Descriptor target(::openat(at.folder.get(), at.name.constData(), O_PATH | O_CLOEXEC));
    if (target.get() < 0 && errno != ENOENT) {
        at.error = errno;
        return at;
    }
    const bool leads = target.get() >= 0;
    struct stat found = {};
    if (leads && ::fstat(target.get(), &found) != 0) {
        at.error = errno;
        return at;
    }
    if (leads && !S_ISREG(found.st_mode) && !S_ISCHR(found.st_mode) && !S_ISBLK(found.st_mode)) {
        at.exists = true;
        at.info = found;
        return at;
    }
    // A file is written, or made, in the folder the links end in: found link by link, each
    // relative to the folder of the one before, and holding what the system found.
    for (int depth = 0; depth < kLinkDepth; ++depth) {
        QByteArray link;
        if (const int error = readLink(at.folder.get(), at.name, &link)) {
            at.error = error;
            return at;
        }
        Descriptor next = openFolder(at.folder.get(), folderOf(link));
        if (next.get() < 0) {
            at.error = errno;
            return at;
        }
        at.folder = std::move(next);
        at.name = baseOf(link);
        if (::fstatat(at.folder.get(), at.name.constData(), &own, AT_SYMLINK_NOFOLLOW) != 0) {
            // No file at the end: a new one is made there, as long as the system found none either.
            at.error = errno == ENOENT ? 0 : errno;
            at.changing = at.error == 0 && leads;
            return at;
        }
        if (S_ISLNK(own.st_mode))
            continue;
        at.changing = !leads || !sameFile(own, found);
        at.exists = true;
        at.info = own;
        return at;
    }
    at.error = ELOOP;
    return at;
}

FileStamp lookUpFileForSave(const QString& path)
{
    return locateFile(QFile::encodeName(path)).stamp();
}

FileStamp FileLocation::stamp() const
{
    FileStamp stamp;
    stamp.named = named;
    struct stat folderInfo;
    if (error || changing || ::fstat(folder.get(), &folderInfo) != 0)
        return stamp;
    stamp.folderDevice = folderInfo.st_dev;
    stamp.folderInode = folderInfo.st_ino;
    stamp.name = name;
    if (exists) {
        stamp.device = info.st_dev;
        stamp.inode = info.st_ino;
    }
    return stamp;
}

bool FileLocation::stillNamed() const
{
    return namesFile(folder.get(), name, info);
}

} // namespace saltor
