#pragma once

#include "platform/platform.h"

namespace saltor {

// Writes bytes as the whole content of the file at path, as Platform::writeFile promises.
WriteResult writeWholeFile(const QString& path, const QByteArray& bytes);

// Whether anything stands at path, a symbolic link included, even one that leads nowhere or
// in a loop: a save there would replace it or write through it.
bool pathExists(const QString& path);

} // namespace saltor
