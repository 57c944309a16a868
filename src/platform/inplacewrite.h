#pragma once

#include "platform/filelocation.h"
#include "platform/platform.h"

#include <QByteArray>

namespace saltor {

// Writes bytes into the existing regular file at, which keeps its inode and with it its owner,
// group, mode, attributes and every name. It is locked against a second save at the same time.
// On a file system that shares blocks between files (btrfs, xfs), where overwriting a block
// can take a new one, the whole text goes to a new file beside it first, and the file takes
// that file's blocks; elsewhere, or where the folder takes no new file, the text goes over the
// file's own blocks, with its new size reserved first. Either way a full disk shows before the
// first old byte changes, where the file system allows.
WriteResult writeInPlace(const FileLocation& at, const QByteArray& bytes);

} // namespace saltor
