#include "statements/hostdialog.h"

#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/statementaction.h"
#include "statements/markupbindings.h"
#include "statements/markupwidgets.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

HostDialog::HostDialog(Editor& editor, const QString& formName, const QString& addCaption,
                       const QString& addToolTip)
    : Form(editor, formName, dialogSettings(formName))
{
    m_hostBox = multiLineBox(hostBoxOf(formName));
    const FunctionsFrame functions = functionsFrame(formName);
    m_addMarkerButton = functions.addMarkerButton;
    m_addLineBreakButton = functions.addLineBreakButton;
    m_addPictureButton = functions.addPictureButton;
    m_addButton = commandButton(QStringLiteral("AddButton"), addCaption, addToolTip);
    m_cancelButton = cancelButton();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(3);
    m_fields = new QVBoxLayout;
    m_fields->setSpacing(3);
    layout->addLayout(m_fields, 1);
    layout->addWidget(functions.frame);
    layout->addWidget(controlsFrame(QStringLiteral("Frame3"), m_addButton, m_cancelButton));

    connect(m_addMarkerButton, &QPushButton::clicked, this, &HostDialog::addMarkerButton_Click);
    connect(m_addLineBreakButton, &QPushButton::clicked, this, &HostDialog::addLineBreakButton_Click);
    connect(m_addPictureButton, &QPushButton::clicked, this, &HostDialog::addPictureButton_Click);
    connect(m_addButton, &QPushButton::clicked, this, &HostDialog::AddButton_Click);
    connect(m_cancelButton, &QPushButton::clicked, this, &HostDialog::CancelButton_Click);
}

void HostDialog::addMarkerButton_Click()
{
    editor().showDialog(markupDialogFor(objectName(), MarkupKind::Marker));
}

void HostDialog::addLineBreakButton_Click()
{
    appendLineBreak(m_hostBox);
}

void HostDialog::addPictureButton_Click()
{
    editor().showDialog(markupDialogFor(objectName(), MarkupKind::Picture));
}

void HostDialog::AddButton_Click()
{
    runStatementAction(*this, m_required(), kFillAllFields, m_statement);
}

void HostDialog::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

void HostDialog::setStatementAction(std::function<QList<const QWidget*>()> required,
                                    std::function<QString()> statement)
{
    m_required = std::move(required);
    m_statement = std::move(statement);
}

QList<QPushButton*> HostDialog::hostDialogButtons() const
{
    return {m_addMarkerButton, m_addLineBreakButton, m_addPictureButton, m_addButton, m_cancelButton};
}

void HostDialog::keepFocusBeforeGuard()
{
    m_focusBeforeGuard = focusWidget();
}

void HostDialog::restoreFocusBeforeGuard()
{
    QWidget* before = m_focusBeforeGuard;
    m_focusBeforeGuard = nullptr;
    if (before && before->window() == this && before->isEnabled())
        before->setFocus();
}

} // namespace saltor
