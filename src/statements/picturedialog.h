#pragma once

#include "statements/markupdialog.h"

namespace saltor {

// "Add picture": appends an image to the end of its host's description box. One class
// serves every picture dialog; the binding row says which host, box, colour and fonts.
class PictureDialog : public MarkupDialog {
    Q_OBJECT
public:
    PictureDialog(Editor& editor, const MarkupBinding& binding);
};

} // namespace saltor
