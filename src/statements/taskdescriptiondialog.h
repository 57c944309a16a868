#pragma once

#include "statements/hostdialog.h"

namespace saltor {

// setSimpleTaskDescription: the description, title and waypoint text of a task. Host of
// the markup dialogs that add to taskDescription.
class TaskDescriptionDialog : public HostDialog {
    Q_OBJECT
public:
    explicit TaskDescriptionDialog(Editor& editor);
};

} // namespace saltor
