#pragma once

#include "shell/form.h"
#include "statements/twofieldtable.h"

class QLineEdit;

namespace saltor {

// The five dialogs that ask for two names and append one statement (setCurrentTask,
// setSimpleTaskDestination, removeSimpleTask, taskState, currentTask): one class, each made
// from its row of the two-field table.
class TwoFieldDialog : public Form {
    Q_OBJECT
public:
    TwoFieldDialog(Editor& editor, const TwoFieldRow& row);

    // The action button's Click, under the name of the row's button (SetButton, AddButton or
    // GetButton); only that one is connected. Each is the statement action: both boxes
    // required, upper first; then the statement is appended and the dialog closes.
    void SetButton_Click();
    void AddButton_Click();
    void GetButton_Click();
    void CancelButton_Click();

private:
    QLineEdit* box(TwoFieldPosition position) const;
    void runAction();

    const TwoFieldRow& m_row;
    QLineEdit* m_upper = nullptr;
    QLineEdit* m_lower = nullptr;
};

} // namespace saltor
