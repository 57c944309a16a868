#pragma once

#include "shell/form.h"

class QLineEdit;
class QPlainTextEdit;

namespace saltor {

// setSimpleTaskDescription: the description, title and waypoint text of a task. Host of
// the markup dialogs that add to taskDescription.
class TaskDescriptionDialog : public Form {
    Q_OBJECT
public:
    explicit TaskDescriptionDialog(Editor& editor);

    void addMarkerButton_Click();
    void addLineBreakButton_Click();
    void addPictureButton_Click();
    void AddButton_Click();
    void CancelButton_Click();

private:
    QLineEdit* m_taskName = nullptr;
    QLineEdit* m_taskNameText = nullptr;
    QPlainTextEdit* m_taskDescription = nullptr;
    QLineEdit* m_waypointName = nullptr;
};

} // namespace saltor
