#pragma once

#include "platform/platform.h"

namespace saltor {

// Writes bytes as the whole content of the file at path, as Platform::writeFile promises.
WriteResult writeWholeFile(const QString& path, const QByteArray& bytes, const FileStamp& asked);

} // namespace saltor
