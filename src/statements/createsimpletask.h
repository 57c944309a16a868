#pragma once

#include "shell/form.h"

class QLineEdit;

namespace saltor {

// createSimpleTask: task name, unit and short description; "Create" appends
// "name = unit createSimpleTask ["description"];".
class CreateSimpleTask : public Form {
    Q_OBJECT
public:
    explicit CreateSimpleTask(Editor& editor);

    void AddButton_Click();
    void CancelButton_Click();

private:
    QLineEdit* m_taskName = nullptr;
    QLineEdit* m_taskUnit = nullptr;
    QLineEdit* m_taskDescription = nullptr;
};

} // namespace saltor
