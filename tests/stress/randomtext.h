#pragma once

#include <QRandomGenerator>
#include <QString>

namespace saltor::stress {

// A text as a user might type or paste it: empty, blanks only, double quotes, backslashes,
// markup, tabs, letters outside ASCII, and CRLF line breaks when lineBreaks is set.
QString randomText(QRandomGenerator& random, bool lineBreaks);

} // namespace saltor::stress
