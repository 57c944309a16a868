#include "statements/statementforms.h"

#include "shell/editor.h"

namespace saltor {

void registerStatementForms(Editor& editor)
{
    Q_UNUSED(editor);
}

} // namespace saltor
