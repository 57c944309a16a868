#pragma once

#include "shell/form.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace saltor {

// The overview dialog: writes overview.html with a centred picture, a short description or
// both. Its option pair (Check1 picture, Check2 description) always keeps one option ticked;
// switching an option off empties, disables and greys its boxes.
class OverviewDialog : public Form {
    Q_OBJECT
public:
    explicit OverviewDialog(Editor& editor);

    // The option pair. Each step reads its box's tick anew; a tick set from code runs the
    // other box's handler at once, inside the setting step.
    void Check1_Click();
    void Check2_Click();
    void lineBreakButton_Click();
    // Builds the page, saves it and closes; a failed write leaves the dialog open as it was.
    void CreateButton_Click();
    void CancelButton_Click();

private:
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QPushButton* m_lineBreakButton = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QPlainTextEdit* m_text4 = nullptr;
};

} // namespace saltor
