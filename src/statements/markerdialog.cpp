#include "statements/markerdialog.h"

#include "shell/dialogframe.h"
#include "shell/tabchain.h"
#include "statements/markup.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace saltor {

MarkerDialog::MarkerDialog(Editor& editor, const MarkupBinding& binding) : MarkupDialog(editor, binding)
{
    QLabel* label1 = fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the marker:"));
    QLabel* label2 = fieldLabel(QStringLiteral("Label2"), QStringLiteral("Text assigned to the marker:"));
    QLineEdit* markerName = singleLineBox(QStringLiteral("markerName"));
    QPlainTextEdit* textAssignedToMarker = multiLineBox(QStringLiteral("textAssignedToMarker"));
    setFieldFont({label1, label2, markerName, textAssignedToMarker});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    layout->addLayout(fieldBlock(label1, markerName,
                                 exampleLabel(QStringLiteral("Label3"), QStringLiteral("Example: enemyBase"))));
    QBoxLayout* text =
        fieldBlock(label2, textAssignedToMarker,
                   exampleLabel(QStringLiteral("Label4"), QStringLiteral("Example: here is the enemy base")));
    text->setStretch(1, 1);
    layout->addLayout(text, 1);
    layout->addWidget(makeControls(QStringLiteral("Adds code for marker into the preview code window")));

    setTabChain(this, {QStringLiteral("markerName"), QStringLiteral("textAssignedToMarker"), QStringLiteral("AddButton"),
                       QStringLiteral("CancelButton")});
    setMarkupAction({markerName, textAssignedToMarker}, [markerName, textAssignedToMarker] {
        return markerMarkup(boxText(markerName), boxText(textAssignedToMarker));
    });
    markerName->setFocus();
}

} // namespace saltor
