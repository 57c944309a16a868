#include "platform/temporaryfile.h"

#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace saltor {

TemporaryFile::TemporaryFile(int folder, mode_t mode) : m_folder(folder)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name(".saltor-");
        for (int i = 0; i < 6; ++i)
            name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        m_fd = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (m_fd >= 0) {
            m_name = name;
            return;
        }
        m_error = errno;
        if (m_error != EEXIST)
            return;
    }
}

TemporaryFile::~TemporaryFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_name.isEmpty())
        ::unlinkat(m_folder, m_name.constData(), 0);
}

int TemporaryFile::replace(const QByteArray& name)
{
    if (::fsync(m_fd) != 0)
        return errno;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 || ::renameat(m_folder, m_name.constData(), m_folder, name.constData()) != 0)
        return errno;
    m_name.clear();
    return 0;
}

} // namespace saltor
