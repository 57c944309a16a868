#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

namespace saltor {

// A file descriptor, closed when the read or write that opened it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept;
    int get() const { return m_fd; }
    // Closes now, so that a failure of the close itself can be reported: 0 or the error number.
    int close();

private:
    int m_fd;
};

// Whether two descriptions are of the same file (device and inode).
bool sameFile(const struct stat& a, const struct stat& b);
// Whether name in folder holds the very file described by file itself, not a link to it.
bool namesFile(int folder, const QByteArray& name, const struct stat& file);

// The system's own words for an error number ("No space left on device").
QString systemError(int error);

// Why a path of this kind is no file to read or replace; empty for a regular file.
QString notAFile(mode_t mode);

} // namespace saltor
