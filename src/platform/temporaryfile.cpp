#include "platform/temporaryfile.h"

#include "platform/posixfile.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace saltor {

namespace {

QByteArray temporaryName()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name(".saltor-");
    for (int i = 0; i < 6; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
    return name;
}

// Gives the unnamed file open as fd the name in folder. Root may link it directly; anyone may
// through the file's entry in /proc, as open(2) documents for O_TMPFILE.
int linkUnnamed(int fd, int folder, const QByteArray& name)
{
    if (::linkat(fd, "", folder, name.constData(), AT_EMPTY_PATH) == 0)
        return 0;
    if (errno == EEXIST)
        return EEXIST;
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    return ::linkat(AT_FDCWD, self, folder, name.constData(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

} // namespace

TemporaryFile::TemporaryFile(int folder, mode_t mode) : m_folder(folder)
{
    // Without /proc only root could give an unnamed file a name.
    if (::access("/proc/self/fd", F_OK) == 0 || ::geteuid() == 0) {
        m_fd = ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        m_unnamed = m_fd >= 0;
        // A file system without unnamed files says so in several ways; a real refusal
        // (no room, no permission) shows again below.
        if (m_fd >= 0)
            return;
    }
    m_fd = openNamed(mode);
}

TemporaryFile::~TemporaryFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_name.isEmpty())
        ::unlinkat(m_folder, m_name.constData(), 0);
}

int TemporaryFile::openNamed(mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName();
        const int fd = ::openat(m_folder, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            m_name = name;
            return fd;
        }
        m_error = errno;
        if (m_error != EEXIST)
            return -1;
    }
    return -1;
}

int TemporaryFile::nameUnnamed()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName();
        const int error = linkUnnamed(m_fd, m_folder, name);
        if (error == 0)
            m_name = name;
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

int TemporaryFile::closeFile()
{
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

int TemporaryFile::link(const QByteArray& name)
{
    if (::fsync(m_fd) != 0)
        return errno;
    if (m_unnamed) {
        if (const int error = linkUnnamed(m_fd, m_folder, name))
            return error;
        if (const int error = closeFile()) {
            ::unlinkat(m_folder, name.constData(), 0);
            return error;
        }
        return 0;
    }
    if (const int error = closeFile())
        return error;
    if (::renameat2(m_folder, m_name.constData(), m_folder, name.constData(), RENAME_NOREPLACE) == 0) {
        m_name.clear();
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system that cannot refuse to replace in a rename: a second name cannot replace
    // anything either.
    if (::linkat(m_folder, m_name.constData(), m_folder, name.constData(), 0) != 0)
        return errno;
    ::unlinkat(m_folder, m_name.constData(), 0);
    m_name.clear();
    return 0;
}

int TemporaryFile::replace(const QByteArray& name, const struct stat& old)
{
    if (::fsync(m_fd) != 0)
        return errno;
    if (m_unnamed) {
        if (const int error = nameUnnamed())
            return error;
    }
    struct stat own;
    if (::fstat(m_fd, &own) != 0)
        return errno;
    if (const int error = closeFile())
        return error;
    // The two names change places in one step, and what comes out must be the old file: a look
    // at the name and then a rename would replace whatever came to it in between.
    if (::renameat2(m_folder, m_name.constData(), m_folder, name.constData(), RENAME_EXCHANGE) == 0) {
        if (!namesFile(m_folder, m_name, old)) {
            // What came to the name goes back to it, and this file goes, unless yet another
            // came to the name meanwhile, which is then left where it stands.
            ::renameat2(m_folder, m_name.constData(), m_folder, name.constData(), RENAME_EXCHANGE);
            if (!namesFile(m_folder, m_name, own))
                m_name.clear();
            return EEXIST;
        }
        ::unlinkat(m_folder, m_name.constData(), 0);
        m_name.clear();
        return 0;
    }
    if (errno == ENOENT)
        return EEXIST;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without exchange: renamed over the name, as long as it holds the old file.
    if (!namesFile(m_folder, name, old))
        return EEXIST;
    if (::renameat(m_folder, m_name.constData(), m_folder, name.constData()) != 0)
        return errno;
    m_name.clear();
    return 0;
}

} // namespace saltor
