#include "statements/statementforms.h"

#include "statements/recorddialogs.h"
#include "statements/taskdialogs.h"

namespace saltor {

void registerStatementForms(Editor& editor)
{
    registerTaskDialogs(editor);
    registerRecordDialogs(editor);
}

} // namespace saltor
