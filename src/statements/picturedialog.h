#pragma once

#include "statements/markupdialog.h"

class QLineEdit;

namespace saltor {

// "Add picture": appends an image to the end of its host's description box. One class
// serves every picture dialog; the binding row says which host, box, colour and fonts.
class PictureDialog : public MarkupDialog {
    Q_OBJECT
public:
    PictureDialog(Editor& editor, const MarkupBinding& binding);

protected:
    QList<const QWidget*> requiredFields() const override;
    QString markup() const override;

private:
    QLineEdit* m_pictureName = nullptr;
    QLineEdit* m_pictureWidth = nullptr;
    QLineEdit* m_pictureHeight = nullptr;
};

} // namespace saltor
