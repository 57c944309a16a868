#include "shell/shellforms.h"

#include "shell/aboutbox.h"
#include "shell/editor.h"

namespace saltor {

void registerShellForms(Editor& editor)
{
    editor.registerForm(QStringLiteral("About"), [](Editor& e) { return new AboutBox(e); });
}

} // namespace saltor
