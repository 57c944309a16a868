#include "extras/extrasforms.h"

#include "shell/editor.h"

namespace saltor {

void registerExtrasForms(Editor& editor)
{
    Q_UNUSED(editor);
}

} // namespace saltor
