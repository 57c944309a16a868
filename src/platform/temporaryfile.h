#pragma once

#include <QByteArray>

#include <sys/types.h>

namespace saltor {

// A new, empty file in a folder, under a short name of its own (".saltor-" and six random
// letters), so that it can be made beside a file whose name is as long as the file system
// allows. Removed again when it goes, unless it has replaced a file of that folder.
class TemporaryFile {
public:
    // folder is a descriptor of the folder (may be opened as a path only); mode as for open(2).
    TemporaryFile(int folder, mode_t mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Open for writing; -1 when it could not be made, and error() says why.
    int fd() const { return m_fd; }
    int error() const { return m_error; }

    // Syncs the file to the disk, closes it and renames it to name in the same folder, replacing
    // what stood there: 0, or the error number of the step that failed (the file is then removed).
    int replace(const QByteArray& name);

private:
    int m_folder;
    int m_fd = -1;
    int m_error = 0;
    QByteArray m_name; // empty once it replaced a file
};

} // namespace saltor
