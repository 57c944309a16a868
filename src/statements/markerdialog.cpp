#include "statements/markerdialog.h"

#include "shell/tabchain.h"
#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "statements/markup.h"
#include "statements/markupguard.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

MarkerDialog::MarkerDialog(Editor& editor, const MarkupBinding& binding)
    : Form(editor, binding.form, dialogSettings(binding.form)), m_binding(binding)
{
    const QFont fieldFont = markupFieldFont(binding);
    QLabel* label1 = fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the marker:"));
    QLabel* label2 = fieldLabel(QStringLiteral("Label2"), QStringLiteral("Text assigned to the marker:"));
    m_markerName = singleLineBox(QStringLiteral("markerName"));
    m_textAssignedToMarker = multiLineBox(QStringLiteral("textAssignedToMarker"));
    for (QWidget* widget : {static_cast<QWidget*>(label1), static_cast<QWidget*>(label2),
                            static_cast<QWidget*>(m_markerName), static_cast<QWidget*>(m_textAssignedToMarker)})
        widget->setFont(fieldFont);

    QGroupBox* controls =
        markupControlsFrame(binding, QStringLiteral("Adds code for marker into the preview code window"));

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
    layout->addWidget(controls);

    auto* add = controls->findChild<QPushButton*>(QStringLiteral("AddButton"));
    auto* cancel = controls->findChild<QPushButton*>(QStringLiteral("CancelButton"));
    setTabChain(this, {QStringLiteral("markerName"), QStringLiteral("textAssignedToMarker"), QStringLiteral("AddButton"),
                       QStringLiteral("CancelButton")});
    connect(add, &QPushButton::clicked, this, &MarkerDialog::AddButton_Click);
    connect(cancel, &QPushButton::clicked, this, &MarkerDialog::CancelButton_Click);
    m_markerName->setFocus();
}

void MarkerDialog::Form_Load()
{
    Form* host = markupHost(*this, m_binding);
    openMarkupGuard(host);
    keepMarkupInFront(this, host);
}

void MarkerDialog::AddButton_Click()
{
    runMarkupAction(*this, m_binding, {m_markerName, m_textAssignedToMarker},
                    [this] { return markerMarkup(boxText(m_markerName), boxText(m_textAssignedToMarker)); });
}

void MarkerDialog::CancelButton_Click()
{
    cancelMarkup(*this, m_binding);
}

} // namespace saltor
