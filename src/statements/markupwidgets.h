#pragma once

#include <QString>

class QGroupBox;
class QPushButton;

namespace saltor {

struct MarkupBinding;

// The host's "Functions" frame Frame2 and its three buttons, of one size, in the colour of
// the host's markup dialogs.
struct FunctionsFrame {
    QGroupBox* frame;
    QPushButton* addMarkerButton;
    QPushButton* addLineBreakButton;
    QPushButton* addPictureButton;
};
FunctionsFrame functionsFrame(const QString& hostForm);

// A markup dialog's "Controls" frame Frame2: AddButton with toolTip, then CancelButton, both
// in the binding's colour.
struct MarkupControlsFrame {
    QGroupBox* frame;
    QPushButton* addButton;
    QPushButton* cancelButton;
};
MarkupControlsFrame markupControlsFrame(const MarkupBinding& binding, const QString& toolTip);

} // namespace saltor
