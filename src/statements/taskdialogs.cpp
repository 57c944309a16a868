#include "statements/taskdialogs.h"

#include "shell/editor.h"

namespace saltor {

void registerTaskDialogs(Editor& editor)
{
    Q_UNUSED(editor);
}

} // namespace saltor
