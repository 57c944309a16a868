#pragma once

#include "shell/form.h"

class QLineEdit;

namespace saltor {

struct MarkupBinding;

// "Add picture": appends an image to the end of its host's description box. One class
// serves every picture dialog; the binding row says which host, box, colour and fonts.
class PictureDialog : public Form {
    Q_OBJECT
public:
    PictureDialog(Editor& editor, const MarkupBinding& binding);

    // The markup guard on the host instead of the dialog guard: Main is left as it is.
    void Form_Load() override;
    void AddButton_Click();
    void CancelButton_Click();

private:
    const MarkupBinding& m_binding;
    QLineEdit* m_pictureName = nullptr;
    QLineEdit* m_pictureWidth = nullptr;
    QLineEdit* m_pictureHeight = nullptr;
};

} // namespace saltor
