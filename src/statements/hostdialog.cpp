#include "statements/hostdialog.h"

#include "shell/tabchain.h"
#include "shell/editor.h"
#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "statements/markupguard.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace saltor {

HostDialog::HostDialog(Editor& editor, const QString& formName) : Form(editor, formName, dialogSettings(formName)) {}

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

void HostDialog::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

void HostDialog::connectHostButtons(QPlainTextEdit* hostBox)
{
    m_hostBox = hostBox;
    const QList<QPushButton*> buttons = hostDialogButtons(this);
    connect(buttons.at(0), &QPushButton::clicked, this, &HostDialog::addMarkerButton_Click);
    connect(buttons.at(1), &QPushButton::clicked, this, &HostDialog::addLineBreakButton_Click);
    connect(buttons.at(2), &QPushButton::clicked, this, &HostDialog::addPictureButton_Click);
    connect(buttons.at(3), &QPushButton::clicked, this, &HostDialog::AddButton_Click);
    connect(buttons.at(4), &QPushButton::clicked, this, &HostDialog::CancelButton_Click);
}

} // namespace saltor
