#include "extras/guardedlinebreak.h"

#include "shell/dialogframe.h"

#include <QPlainTextEdit>

namespace saltor {

void appendGuardedLineBreak(QPlainTextEdit* box)
{
    if (box->isEnabled())
        appendToBox(box, QStringLiteral("<br />\r\n"));
}

} // namespace saltor
