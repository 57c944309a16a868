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

// The flags of fd; nothing where its file system keeps none.
std::optional<int> flagsOf(int fd, bool* failed)
{
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0)
        return flags;
    *failed = errno != ENOTTY && errno != ENOTSUP && errno != EINVAL && errno != ENOSYS;
    return std::nullopt;
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
        attributes.m_flags = *flags & FS_FL_USER_MODIFIABLE;
    if (failed)
        return std::nullopt;
    return attributes;
}

bool FileAttributes::giveTo(int fd) const
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
    if (!m_flags)
        return true;
    // A new file may take flags from its folder too.
    bool failed = false;
    const std::optional<int> flags = flagsOf(fd, &failed);
    if (!flags)
        return false;
    if ((*flags & FS_FL_USER_MODIFIABLE) == *m_flags)
        return true;
    int wanted = (*flags & ~FS_FL_USER_MODIFIABLE) | *m_flags;
    return ::ioctl(fd, FS_IOC_SETFLAGS, &wanted) == 0;
}

} // namespace saltor
