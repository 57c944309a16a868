#pragma once

#include "shell/form.h"

class QLineEdit;
class QPlainTextEdit;

namespace saltor {

struct MarkupBinding;

// "Add marker": appends a marker link to the end of its host's description box. One class
// serves every marker dialog; the binding row says which host, box, colour and fonts.
class MarkerDialog : public Form {
    Q_OBJECT
public:
    MarkerDialog(Editor& editor, const MarkupBinding& binding);

    // The markup guard on the host instead of the dialog guard: Main is left as it is.
    void Form_Load() override;
    void AddButton_Click();
    void CancelButton_Click();

private:
    const MarkupBinding& m_binding;
    QLineEdit* m_markerName = nullptr;
    QPlainTextEdit* m_textAssignedToMarker = nullptr;
};

} // namespace saltor
