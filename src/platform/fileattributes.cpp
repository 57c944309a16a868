#include "platform/fileattributes.h"

#include <algorithm>
#include <cerrno>

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>

namespace saltor {

namespace {

const QByteArray kCapabilities = QByteArrayLiteral("security.capability");

// What read gives: asked first for its size, with no buffer, then into a buffer of that size,
// and again where it grew in between (ERANGE). Nothing where it fails, errno saying why.
template <typename Read>
std::optional<QByteArray> readSized(Read read)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray buffer(size, Qt::Uninitialized);
        const ssize_t n = read(buffer.data(), size_t(buffer.size()));
        if (n >= 0) {
            buffer.truncate(n);
            return buffer;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
    return std::nullopt;
}

// The names of fd's extended attributes, or nothing where they cannot be listed.
std::optional<QList<QByteArray>> attributeNames(int fd)
{
    const std::optional<QByteArray> list =
        readSized([fd](char* buffer, size_t size) { return ::flistxattr(fd, buffer, size); });
    if (!list)
        return errno == ENOTSUP ? std::optional(QList<QByteArray>()) : std::nullopt;
    QList<QByteArray> names = list->split('\0');
    names.removeAll(QByteArray());
    names.removeAll(kCapabilities);
    return names;
}

std::optional<QByteArray> attributeValue(int fd, const QByteArray& name)
{
    return readSized(
        [fd, &name](char* buffer, size_t size) { return ::fgetxattr(fd, name.constData(), buffer, size); });
}

// Every flag chattr can set.
constexpr int kChattrFlags = FS_FL_USER_MODIFIABLE | FS_NOCOMP_FL | FS_JOURNAL_DATA_FL | FS_EXTENT_FL | FS_NOCOW_FL
                             | FS_DAX_FL | FS_PROJINHERIT_FL | FS_CASEFOLD_FL;
// Extended flags that tell what a file holds, not what was set on it: extended attributes, and
// preallocated space.
constexpr unsigned kStateFlags = FS_XFLAG_HASATTR | FS_XFLAG_PREALLOC;

// Whether an attribute ioctl failed because the file system keeps no such thing.
bool notKept(int error)
{
    return error == ENOTTY || error == ENOTSUP || error == EINVAL || error == ENOSYS;
}

// The flags of fd; nothing where its file system keeps none, or where they cannot be read
// (*failed is then set).
std::optional<int> flagsOf(int fd, bool* failed)
{
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0)
        return flags;
    *failed = *failed || !notKept(errno);
    return std::nullopt;
}

// What the file system keeps beside the flags of fd, as flagsOf.
std::optional<fsxattr> extendedOf(int fd, bool* failed)
{
    fsxattr extended = {};
    if (::ioctl(fd, FS_IOC_FSGETXATTR, &extended) == 0)
        return extended;
    *failed = *failed || !notKept(errno);
    return std::nullopt;
}

FileAttributes::Extended settable(const fsxattr& extended)
{
    return {extended.fsx_xflags & ~kStateFlags, extended.fsx_extsize, extended.fsx_projid, extended.fsx_cowextsize};
}

// Gives fd the flags wanted among those of mask, where it has others.
bool giveFlagsOf(int fd, int mask, int wanted)
{
    bool failed = false;
    const std::optional<int> flags = flagsOf(fd, &failed);
    if (!flags)
        return false;
    int given = (*flags & ~mask) | (wanted & mask);
    return given == *flags || ::ioctl(fd, FS_IOC_SETFLAGS, &given) == 0;
}

} // namespace

std::optional<FileAttributes> FileAttributes::of(int fd)
{
    FileAttributes attributes;
    const std::optional<QList<QByteArray>> names = attributeNames(fd);
    if (!names)
        return std::nullopt;
    for (const QByteArray& name : *names) {
        const std::optional<QByteArray> value = attributeValue(fd, name);
        if (!value)
            return std::nullopt;
        attributes.m_attributes.append({name, *value});
    }
    std::sort(attributes.m_attributes.begin(), attributes.m_attributes.end());
    bool failed = false;
    if (const std::optional<int> flags = flagsOf(fd, &failed))
        attributes.m_flags = *flags & kChattrFlags;
    if (const std::optional<fsxattr> extended = extendedOf(fd, &failed))
        attributes.m_extended = settable(*extended);
    if (failed)
        return std::nullopt;
    return attributes;
}

bool FileAttributes::takeNoChange() const
{
    return m_flags && (*m_flags & (FS_IMMUTABLE_FL | FS_APPEND_FL));
}

bool FileAttributes::giveFlags(int fd) const
{
    if (m_flags && !giveFlagsOf(fd, kChattrFlags, *m_flags))
        return false;
    if (!m_extended)
        return true;
    // The flags given above show among the extended ones too; a file system that keeps no more
    // than those refuses to be told of the rest, so it is told only where they differ.
    bool failed = false;
    std::optional<fsxattr> extended = extendedOf(fd, &failed);
    if (!extended)
        return false;
    const Extended& wanted = *m_extended;
    if (settable(*extended) == wanted)
        return true;
    extended->fsx_xflags = (extended->fsx_xflags & kStateFlags) | wanted.flags;
    extended->fsx_extsize = wanted.extentSize;
    extended->fsx_projid = wanted.project;
    extended->fsx_cowextsize = wanted.cowExtentSize;
    return ::ioctl(fd, FS_IOC_FSSETXATTR, &*extended) == 0;
}

bool FileAttributes::giveAttributes(int fd) const
{
    const std::optional<QList<QByteArray>> names = attributeNames(fd);
    if (!names)
        return false;
    for (const QByteArray& name : *names) {
        const bool kept = std::any_of(m_attributes.begin(), m_attributes.end(),
                                      [&](const auto& attribute) { return attribute.first == name; });
        if (!kept && ::fremovexattr(fd, name.constData()) != 0)
            return false;
    }
    for (const auto& [name, value] : m_attributes) {
        if (::fsetxattr(fd, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    return true;
}

bool copyNoCopyOnWrite(int from, int to)
{
    bool failed = false;
    const std::optional<int> flags = flagsOf(from, &failed);
    if (!flags || !flagsOf(to, &failed))
        return true;
    if (!giveFlagsOf(to, FS_NOCOW_FL, *flags))
        return false;
    const std::optional<int> given = flagsOf(to, &failed);
    return given && (*given & FS_NOCOW_FL) == (*flags & FS_NOCOW_FL);
}

} // namespace saltor
