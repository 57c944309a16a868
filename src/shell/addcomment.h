#pragma once

#include "shell/form.h"

class QPlainTextEdit;

namespace saltor {

// The Addcomment dialog: a multi-line comment appended to the Document as one block
// comment. No field is required; Enter in the box starts a new line, Esc cancels.
class Addcomment : public Form {
    Q_OBJECT
public:
    explicit Addcomment(Editor& editor);

    void AddButton_Click();
    void CancelButton_Click();

private:
    QPlainTextEdit* m_comment = nullptr;
};

} // namespace saltor
