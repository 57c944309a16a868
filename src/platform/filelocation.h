#pragma once

#include "platform/platform.h"
#include "platform/posixfile.h"

#include <QByteArray>

#include <sys/stat.h>

namespace saltor {

// Where a save writes: the folder a path leads to, held open, and the name of the file in it.
// The path is looked up once, by the system, which follows its symbolic links with its own
// rules (loops, links in sticky folders); every later step is relative to the folder held.
struct FileLocation {
    // Why the path leads nowhere a file can be written (a loop, a folder that is not there, a
    // link the system refuses to follow); 0 when it leads somewhere.
    int error = 0;
    // The folder the file stands in or is to be made in, opened as a path only.
    Descriptor folder{-1};
    QByteArray name;
    // Anything stands at the path itself, a link included.
    bool named = false;
    // The path led to two different files within the one look-up: something is moving it.
    bool changing = false;
    // The path leads to a file, described by info. A regular file or a device stands under name
    // in folder; anything else (a folder, a pipe) is only described, for the refusal.
    bool exists = false;
    struct stat info = {};

    FileStamp stamp() const;
    // Whether name in folder still holds the file described by info.
    bool stillNamed() const;
};

// Looks path up as a save needs it. Where the path's last part is a symbolic link, the system
// follows it first; the folder the file stands in is then found by reading the links, each
// relative to the folder before it, and must hold the very file the system found.
FileLocation locateFile(const QByteArray& path);

// Looks path up for a save, as Platform::lookUpFile promises.
FileStamp lookUpFileForSave(const QString& path);

} // namespace saltor
