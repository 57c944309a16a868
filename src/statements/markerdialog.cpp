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
    m_markerName = singleLineBox(QStringLiteral("markerName"));
    m_textAssignedToMarker = multiLineBox(QStringLiteral("textAssignedToMarker"));
    setFieldFont({label1, label2, m_markerName, m_textAssignedToMarker});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    layout->addLayout(fieldBlock(label1, m_markerName,
                                 exampleLabel(QStringLiteral("Label3"), QStringLiteral("Example: enemyBase"))));
    QBoxLayout* text =
        fieldBlock(label2, m_textAssignedToMarker,
                   exampleLabel(QStringLiteral("Label4"), QStringLiteral("Example: here is the enemy base")));
    text->setStretch(1, 1);
    layout->addLayout(text, 1);
    layout->addWidget(makeControls(QStringLiteral("Adds code for marker into the preview code window")));

    setTabChain(this, {QStringLiteral("markerName"), QStringLiteral("textAssignedToMarker"), QStringLiteral("AddButton"),
                       QStringLiteral("CancelButton")});
    m_markerName->setFocus();
}

QList<const QWidget*> MarkerDialog::requiredFields() const
{
    return {m_markerName, m_textAssignedToMarker};
}

QString MarkerDialog::markup() const
{
    return markerMarkup(boxText(m_markerName), boxText(m_textAssignedToMarker));
}

} // namespace saltor
