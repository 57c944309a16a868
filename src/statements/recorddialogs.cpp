#include "statements/recorddialogs.h"

#include "shell/editor.h"

namespace saltor {

void registerRecordDialogs(Editor& editor)
{
    Q_UNUSED(editor);
}

} // namespace saltor
