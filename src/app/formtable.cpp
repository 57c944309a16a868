#include "app/formtable.h"

#include "extras/debriefingdialog.h"
#include "extras/mptemplatedialog.h"
#include "extras/overviewdialog.h"
#include "shell/aboutbox.h"
#include "shell/addcomment.h"
#include "shell/editor.h"
#include "statements/createsimpletask.h"
#include "statements/diaryrecorddialog.h"
#include "statements/markerdialog.h"
#include "statements/markupbindings.h"
#include "statements/picturedialog.h"
#include "statements/settaskstate.h"
#include "statements/taskdescriptiondialog.h"
#include "statements/taskhint.h"
#include "statements/twofielddialog.h"
#include "statements/twofieldtable.h"

namespace saltor {

namespace {

template <typename Dialog> Form* make(Editor& editor)
{
    return new Dialog(editor);
}

struct FormRow {
    const char* name;
    Form* (*create)(Editor&);
};

// The forms with a class of their own; the two-field dialogs and the markup dialogs come
// from their tables below.
constexpr FormRow kForms[] = {
    {"About", &make<AboutBox>},
    {"Addcomment", &make<Addcomment>},
    {"createDiaryRecord", &make<DiaryRecordDialog>},
    {"createSimpleTask", &make<CreateSimpleTask>},
    {"setSimpleTaskDescription", &make<TaskDescriptionDialog>},
    {"setTaskState", &make<SetTaskState>},
    {"taskHint", &make<TaskHint>},
    {"overview", &make<OverviewDialog>},
    {"debriefing", &make<DebriefingDialog>},
    {"MP_template", &make<MpTemplateDialog>},
};

} // namespace

void registerForms(Editor& editor)
{
    for (const FormRow& row : kForms)
        editor.registerForm(QLatin1String(row.name), row.create);
    for (const TwoFieldRow& row : twoFieldRows())
        editor.registerForm(QLatin1String(row.form), [&row](Editor& e) { return new TwoFieldDialog(e, row); });
    for (const MarkupBinding& binding : markupBindings()) {
        editor.registerForm(binding.form, [&binding](Editor& e) -> Form* {
            if (binding.kind == MarkupKind::Marker)
                return new MarkerDialog(e, binding);
            return new PictureDialog(e, binding);
        });
    }
}

} // namespace saltor
