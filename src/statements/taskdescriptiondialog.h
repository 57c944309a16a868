#pragma once

#include "statements/hostdialog.h"

class QLineEdit;

namespace saltor {

// setSimpleTaskDescription: the description, title and waypoint text of a task. Host of
// the markup dialogs that add to taskDescription.
class TaskDescriptionDialog : public HostDialog {
    Q_OBJECT
public:
    explicit TaskDescriptionDialog(Editor& editor);

    void AddButton_Click() override;

private:
    QLineEdit* m_taskName = nullptr;
    QLineEdit* m_taskNameText = nullptr;
    QLineEdit* m_waypointName = nullptr;
};

} // namespace saltor
