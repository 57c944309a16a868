#pragma once

#include "statements/markupdialog.h"

namespace saltor {

// "Add marker": appends a marker link to the end of its host's description box. One class
// serves every marker dialog; the binding row says which host, box, colour and fonts.
class MarkerDialog : public MarkupDialog {
    Q_OBJECT
public:
    MarkerDialog(Editor& editor, const MarkupBinding& binding);
};

} // namespace saltor
