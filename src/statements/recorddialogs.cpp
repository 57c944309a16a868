#include "statements/recorddialogs.h"

#include "shell/editor.h"
#include "statements/diaryrecorddialog.h"
#include "statements/markerdialog.h"
#include "statements/markupguard.h"
#include "statements/picturedialog.h"
#include "statements/taskdescriptiondialog.h"

namespace saltor {

void registerRecordDialogs(Editor& editor)
{
    editor.registerForm(QStringLiteral("createDiaryRecord"), [](Editor& e) { return new DiaryRecordDialog(e); });
    editor.registerForm(QStringLiteral("setSimpleTaskDescription"),
                        [](Editor& e) { return new TaskDescriptionDialog(e); });
    for (const MarkupBinding& binding : markupBindings()) {
        const MarkupBinding* row = &binding;
        editor.registerForm(binding.form, [row](Editor& e) -> Form* {
            if (row->kind == MarkupKind::Marker)
                return new MarkerDialog(e, *row);
            return new PictureDialog(e, *row);
        });
    }
}

} // namespace saltor
