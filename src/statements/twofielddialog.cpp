#include "statements/twofielddialog.h"

#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/statementaction.h"
#include "shell/tabchain.h"
#include "statements/taskstatements.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace saltor {

namespace {

// A field block of the row; the label wraps when it is longer than the dialog is wide.
QBoxLayout* block(const TwoFieldBox& field, QLineEdit* box)
{
    QLabel* label = fieldLabel(QLatin1String(field.label), QLatin1String(field.labelText));
    label->setWordWrap(true);
    return fieldBlock(label, box, exampleLabel(QLatin1String(field.example), QLatin1String(field.exampleText)));
}

} // namespace

TwoFieldDialog::TwoFieldDialog(Editor& editor, const TwoFieldRow& row)
    : Form(editor, QLatin1String(row.form), dialogSettings(QLatin1String(row.form))), m_row(row)
{
    m_upper = singleLineBox(QLatin1String(row.upper.box));
    m_lower = singleLineBox(QLatin1String(row.lower.box));
    QPushButton* action = commandButton(QLatin1String(row.actionButton), QLatin1String(row.actionCaption),
                                        QLatin1String(row.actionToolTip));
    QPushButton* cancel = cancelButton();
    if (row.verdanaButtons) {
        action->setFont(verdanaFont(8.25));
        cancel->setFont(verdanaFont(8.25));
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(block(row.upper, m_upper));
    layout->addLayout(block(row.lower, m_lower));
    layout->addStretch(1);
    QGroupBox* controls = controlsFrame(QStringLiteral("Frame2"), action, cancel);
    layout->addWidget(controls);

    setTabChain(this, {QLatin1String(row.upper.box), QLatin1String(row.lower.box), QLatin1String(row.actionButton),
                       QStringLiteral("CancelButton")});
    m_upper->setFocus();

    const QString actionName = action->objectName();
    if (actionName == QLatin1String("SetButton"))
        connect(action, &QPushButton::clicked, this, &TwoFieldDialog::SetButton_Click);
    else if (actionName == QLatin1String("AddButton"))
        connect(action, &QPushButton::clicked, this, &TwoFieldDialog::AddButton_Click);
    else
        connect(action, &QPushButton::clicked, this, &TwoFieldDialog::GetButton_Click);
    connect(cancel, &QPushButton::clicked, this, &TwoFieldDialog::CancelButton_Click);
}

QLineEdit* TwoFieldDialog::box(TwoFieldPosition position) const
{
    return position == TwoFieldPosition::Upper ? m_upper : m_lower;
}

void TwoFieldDialog::SetButton_Click()
{
    runAction();
}

void TwoFieldDialog::AddButton_Click()
{
    runAction();
}

void TwoFieldDialog::GetButton_Click()
{
    runAction();
}

void TwoFieldDialog::runAction()
{
    runStatementAction(*this, {m_upper, m_lower}, kFillAllFields, [this] {
        return twoFieldStatement(box(m_row.piece1)->text(), QLatin1String(m_row.middle),
                                 box(m_row.piece3)->text(), QLatin1String(m_row.end));
    });
}

void TwoFieldDialog::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
