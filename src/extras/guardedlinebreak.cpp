#include "extras/guardedlinebreak.h"

#include "shell/plaintextbox.h"

#include <QPlainTextEdit>

namespace saltor {

void appendGuardedLineBreak(QPlainTextEdit* box)
{
    if (box->isEnabled())
        appendKeepingView(box, QStringLiteral("<br />\r\n"));
}

} // namespace saltor
