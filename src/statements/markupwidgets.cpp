#include "statements/markupwidgets.h"

#include "shell/dialogframe.h"
#include "statements/markupbindings.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace saltor {

FunctionsFrame functionsFrame(const QString& hostForm)
{
    const QColor colour = hostButtonColour(hostForm);
    FunctionsFrame made{frame(QStringLiteral("Frame2"), QStringLiteral("Functions")),
                        colouredButton(QStringLiteral("addMarkerButton"), QStringLiteral("Add marker"), colour),
                        colouredButton(QStringLiteral("addLineBreakButton"), QStringLiteral("Add line break"), colour),
                        colouredButton(QStringLiteral("addPictureButton"), QStringLiteral("Add picture"), colour)};
    auto* row = new QHBoxLayout(made.frame);
    row->setContentsMargins(6, 2, 6, 6);
    row->setSpacing(6);
    // Equal stretch with the hint ignored gives the three buttons one size.
    for (QPushButton* button : {made.addMarkerButton, made.addLineBreakButton, made.addPictureButton}) {
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        row->addWidget(button, 1);
    }
    return made;
}

MarkupControlsFrame markupControlsFrame(const MarkupBinding& binding, const QString& toolTip)
{
    QPushButton* add = colouredButton(QStringLiteral("AddButton"), QStringLiteral("Add"), binding.buttonColour);
    add->setToolTip(toolTip);
    QPushButton* cancel =
        colouredButton(QStringLiteral("CancelButton"), QStringLiteral("Cancel"), binding.buttonColour);
    cancel->setToolTip(kCancelToolTip);
    return {controlsFrame(QStringLiteral("Frame2"), add, cancel), add, cancel};
}

} // namespace saltor
