#include "statements/taskdialogs.h"

#include "shell/editor.h"
#include "statements/createsimpletask.h"
#include "statements/settaskstate.h"
#include "statements/taskhint.h"
#include "statements/twofielddialog.h"
#include "statements/twofieldtable.h"

namespace saltor {

void registerTaskDialogs(Editor& editor)
{
    editor.registerForm(QStringLiteral("createSimpleTask"), [](Editor& e) { return new CreateSimpleTask(e); });
    for (const TwoFieldRow& row : twoFieldRows())
        editor.registerForm(QString::fromLatin1(row.form), [&row](Editor& e) { return new TwoFieldDialog(e, row); });
    editor.registerForm(QStringLiteral("setTaskState"), [](Editor& e) { return new SetTaskState(e); });
    editor.registerForm(QStringLiteral("taskHint"), [](Editor& e) { return new TaskHint(e); });
}

} // namespace saltor
