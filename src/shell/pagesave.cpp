#include "shell/pagesave.h"

#include "shell/editor.h"
#include "shell/filecommands.h"
#include "shell/form.h"
#include "shell/mainwindow.h"

namespace saltor {

void savePageAndClose(Form& generator, const QString& filter, const QString& page)
{
    if (generator.editor().main().files().saveTextFile(filter, page, false) == SaveOutcome::Failed) {
        generator.raise();
        generator.activateWindow();
        return;
    }
    generator.editor().closeDialogGuard(&generator);
}

} // namespace saltor
