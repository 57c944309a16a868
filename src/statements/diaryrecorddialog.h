#pragma once

#include "statements/hostdialog.h"

class QCheckBox;
class QLineEdit;

namespace saltor {

// createDiaryRecord: one diary record of a unit, as plain text or as a named section
// (while Check is ticked). Host of the markup dialogs that add to recordDescription.
class DiaryRecordDialog : public HostDialog {
    Q_OBJECT
public:
    explicit DiaryRecordDialog(Editor& editor);

    // Switches recordPart on or off with Check; its text is kept either way.
    void Check_Click();

private:
    QLineEdit* m_recordPart = nullptr;
    QCheckBox* m_check = nullptr;
};

} // namespace saltor
