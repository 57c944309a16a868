#pragma once

#include <QFont>

namespace saltor {

// Verdana where installed, else DejaVu Sans; sizes in points.
QFont verdanaFont(qreal points);
// The dialogs' default font (a sans font of the system).
QFont defaultDialogFont();

} // namespace saltor
