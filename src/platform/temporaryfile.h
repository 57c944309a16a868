#pragma once

#include <QByteArray>

#include <sys/stat.h>
#include <sys/types.h>

namespace saltor {

// A new file in a folder that takes a name only once it is complete. Where the file system
// allows, it has no name at all until then (O_TMPFILE), so that a crash leaves nothing behind;
// elsewhere it stands under a short name of its own (".saltor-" and six random letters), which
// fits beside a file whose name is as long as the file system allows, and is removed again when
// it goes, unless the file took its place.
class TemporaryFile {
public:
    // folder is a descriptor of the folder (may be opened as a path only); mode as for open(2).
    TemporaryFile(int folder, mode_t mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Open for reading and writing; -1 when it could not be made, and error() says why.
    int fd() const { return m_fd; }
    int error() const { return m_error; }

    // Syncs the file, closes it and gives it name in the folder, where nothing may stand: 0,
    // EEXIST where something stands there by now, or the error number of the step that failed.
    // The file is removed unless it took the name.
    int link(const QByteArray& name);
    // Syncs the file, closes it and puts it at name in place of the file old describes, which
    // goes: 0, EEXIST where another file stands there by then (which stays; nothing changed), or
    // the error number of the step that failed. The file is removed unless it took the name.
    int replace(const QByteArray& name, const struct stat& old);

private:
    // Opens a file under a new temporary name: its descriptor, or -1 with m_error set.
    int openNamed(mode_t mode);
    // Gives the unnamed file a new temporary name: 0 or an error number.
    int nameUnnamed();
    // Closes the file: 0 or an error number.
    int closeFile();

    int m_folder;
    int m_fd = -1;
    int m_error = 0;
    bool m_unnamed = false;
    QByteArray m_name; // the temporary name while the file stands under one
};

} // namespace saltor
