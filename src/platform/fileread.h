#pragma once

#include "platform/platform.h"

namespace saltor {

// Reads a regular file of at most kOpenLimitBytes and kOpenLimitLines whole, as Platform::readFile
// promises: anything else is refused at once with the reason, and nothing blocks.
ReadResult readWholeFile(const QString& path);

} // namespace saltor
