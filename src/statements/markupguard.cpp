#include "statements/markupguard.h"

#include "statements/hostdialog.h"

#include <QPushButton>

namespace saltor {

void openMarkupGuard(HostDialog* host)
{
    if (!host)
        return;
    // Disabling the host takes the focus from its control; closeMarkupGuard gives it back.
    host->keepFocusBeforeGuard();
    host->setEnabled(false);
    for (QPushButton* button : host->hostDialogButtons())
        button->setEnabled(false);
}

void closeMarkupGuard(Form* markupDialog, HostDialog* host)
{
    if (markupDialog)
        markupDialog->unload();
    if (!host)
        return;
    host->setEnabled(true);
    for (QPushButton* button : host->hostDialogButtons())
        button->setEnabled(true);
    host->activateWindow();
    host->restoreFocusBeforeGuard();
}

} // namespace saltor
