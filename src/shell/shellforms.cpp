#include "shell/shellforms.h"

#include "shell/aboutbox.h"
#include "shell/addcomment.h"
#include "shell/editor.h"

namespace saltor {

void registerShellForms(Editor& editor)
{
    editor.registerForm(QStringLiteral("About"), [](Editor& e) { return new AboutBox(e); });
    editor.registerForm(QStringLiteral("Addcomment"), [](Editor& e) { return new Addcomment(e); });
}

} // namespace saltor
