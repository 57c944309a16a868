#include "shell/statementaction.h"

#include "shell/dialogframe.h"
#include "shell/editor.h"
#include "shell/form.h"

namespace saltor {

bool runStatementAction(Form& dialog, const QList<const QWidget*>& required, const QString& message,
                        const std::function<QString()>& build)
{
    Editor& editor = dialog.editor();
    if (!requireFields(editor.platform(), required, message))
        return false;
    editor.appendToPreview(build());
    editor.closeDialogGuard(&dialog);
    return true;
}

} // namespace saltor
