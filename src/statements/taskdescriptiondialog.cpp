#include "statements/taskdescriptiondialog.h"

#include "shell/tabchain.h"
#include "shell/editor.h"
#include "shell/dialogframe.h"
#include "statements/markupguard.h"
#include "statements/recordstatements.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

namespace {

const QString kFormName = QStringLiteral("setSimpleTaskDescription");

} // namespace

TaskDescriptionDialog::TaskDescriptionDialog(Editor& editor) : HostDialog(editor, kFormName)
{
    m_taskName = singleLineBox(QStringLiteral("taskName"));
    m_taskNameText = singleLineBox(QStringLiteral("taskNameText"));
    m_taskDescription = multiLineBox(QStringLiteral("taskDescription"));
    m_waypointName = singleLineBox(QStringLiteral("waypointName"));

    QGroupBox* functions = functionsFrame(kFormName);
    QPushButton* add = commandButton(
        QStringLiteral("AddButton"), QStringLiteral("Set"),
        QStringLiteral("Adds formated code for command setSimpleTaskDescription into the preview code window"));
    QPushButton* cancel = cancelButton();
    QGroupBox* controls = controlsFrame(QStringLiteral("Frame3"), add, cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(3);

    auto* names = new QGridLayout;
    names->setHorizontalSpacing(8);
    names->setVerticalSpacing(1);
    names->addWidget(fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the task:")), 0, 0);
    names->addWidget(fieldLabel(QStringLiteral("Label3"), QStringLiteral("Task title:")), 0, 1);
    names->addWidget(m_taskName, 1, 0);
    names->addWidget(m_taskNameText, 1, 1);
    names->addWidget(exampleLabel(QStringLiteral("Label5"), QStringLiteral("Example: tsk1, taskObj1, obj1")), 2, 0);
    names->addWidget(exampleLabel(QStringLiteral("Label6"), QStringLiteral("Example: Primary objective")), 2, 1);
    names->setColumnStretch(0, 1);
    names->setColumnStretch(1, 1);
    layout->addLayout(names);

    QBoxLayout* description = fieldBlock(
        fieldLabel(QStringLiteral("Label2"), QStringLiteral("Description of the task:")), m_taskDescription,
        exampleLabel(QStringLiteral("Label7"),
                     QStringLiteral("Example: Be quick and precise! Our recon observed ... etc.")));
    description->setStretch(1, 1);
    layout->addLayout(description, 1);
    layout->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label4"), QStringLiteral("Task WP description:")),
                                 m_waypointName,
                                 exampleLabel(QStringLiteral("Label8"), QStringLiteral("Example: To target zone"))));
    layout->addWidget(functions);
    layout->addWidget(controls);

    connectHostButtons(m_taskDescription);
    setTabChain(this, {QStringLiteral("taskName"), QStringLiteral("taskNameText"), QStringLiteral("taskDescription"),
                       QStringLiteral("waypointName"), QStringLiteral("addMarkerButton"),
                       QStringLiteral("addLineBreakButton"), QStringLiteral("addPictureButton"),
                       QStringLiteral("AddButton"), QStringLiteral("CancelButton")});
    m_taskName->setFocus();
}

void TaskDescriptionDialog::AddButton_Click()
{
    runStatementAction(*this, {m_taskName, m_taskDescription, m_taskNameText}, kFillAllFields, [this] {
        return taskDescriptionStatement(boxText(m_taskName), boxText(m_taskDescription), boxText(m_taskNameText),
                                        boxText(m_waypointName));
    });
}

} // namespace saltor
