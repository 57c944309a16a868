#include "extras/extrasforms.h"

#include "extras/debriefingdialog.h"
#include "extras/mptemplatedialog.h"
#include "extras/overviewdialog.h"
#include "shell/editor.h"

namespace saltor {

void registerExtrasForms(Editor& editor)
{
    editor.registerForm(QStringLiteral("overview"), [](Editor& e) { return new OverviewDialog(e); });
    editor.registerForm(QStringLiteral("debriefing"), [](Editor& e) { return new DebriefingDialog(e); });
    editor.registerForm(QStringLiteral("MP_template"), [](Editor& e) { return new MpTemplateDialog(e); });
}

} // namespace saltor
