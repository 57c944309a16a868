#pragma once

#include "shell/form.h"

class QLineEdit;

namespace saltor {

// setTaskState: a task name and one of five states chosen by option buttons; "Set" appends
// "name setTaskState "State";". The chosen state text lives in the hidden box taskStatus.
class SetTaskState : public Form {
    Q_OBJECT
public:
    explicit SetTaskState(Editor& editor);

    // taskStatus := the state text of createdRadio, then the dialog guard.
    void Form_Load() override;

    // A click on one of the five state options (row 0 is the top one, "Created (default)")
    // puts its state text into taskStatus.
    void stateRadio_Click(int row);
    void SetButton_Click();
    void CancelButton_Click();

private:
    QLineEdit* m_taskName = nullptr;
    QLineEdit* m_taskStatus = nullptr;
};

} // namespace saltor
