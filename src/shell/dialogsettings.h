#pragma once

#include "shell/windowsettings.h"

namespace saltor {

// The window settings of a dialog form (every form but Main and About), by form name. A name
// missing from the table stops the program with that name.
const WindowSettings& dialogSettings(const QString& formName);

} // namespace saltor
