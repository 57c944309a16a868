#include "statements/twofielddialog.h"

#include "shell/editor.h"
#include "shell/fonts.h"
#include "statements/dialogframe.h"
#include "statements/dialogsettings.h"
#include "statements/taskstatements.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace saltor {

namespace {

QString text(const char* literal)
{
    return QString::fromLatin1(literal);
}

// A field block of the row; the label wraps when it is longer than the dialog is wide.
QBoxLayout* block(const TwoFieldBox& field, QLineEdit* box)
{
    QLabel* label = fieldLabel(text(field.label), text(field.labelText));
    label->setWordWrap(true);
    return fieldBlock(label, box, exampleLabel(text(field.example), text(field.exampleText)));
}

} // namespace

TwoFieldDialog::TwoFieldDialog(Editor& editor, const TwoFieldRow& row)
    : Form(editor, text(row.form), dialogSettings(text(row.form))), m_row(row)
{
    m_upper = singleLineBox(text(row.upper.box));
    m_lower = singleLineBox(text(row.lower.box));
    QPushButton* action = commandButton(text(row.actionButton), text(row.actionCaption), text(row.actionToolTip));
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

    setTabOrder(m_upper, m_lower);
    setTabOrder(m_lower, action);
    setTabOrder(action, cancel);
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
        return twoFieldStatement(box(m_row.piece1)->text(), text(m_row.middle),
                                 box(m_row.piece3)->text(), text(m_row.end));
    });
}

void TwoFieldDialog::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
