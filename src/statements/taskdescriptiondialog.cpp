#include "statements/taskdescriptiondialog.h"

#include "shell/tabchain.h"
#include "shell/dialogframe.h"
#include "statements/recordstatements.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace saltor {

TaskDescriptionDialog::TaskDescriptionDialog(Editor& editor)
    : HostDialog(editor, QStringLiteral("setSimpleTaskDescription"), QStringLiteral("Set"),
                 QStringLiteral("Adds formated code for command setSimpleTaskDescription into the preview code window"))
{
    QLineEdit* taskName = singleLineBox(QStringLiteral("taskName"));
    QLineEdit* taskNameText = singleLineBox(QStringLiteral("taskNameText"));
    QLineEdit* waypointName = singleLineBox(QStringLiteral("waypointName"));

    QVBoxLayout* layout = fieldsLayout();
    auto* names = new QGridLayout;
    names->setHorizontalSpacing(8);
    names->setVerticalSpacing(1);
    names->addWidget(fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the task:")), 0, 0);
    names->addWidget(fieldLabel(QStringLiteral("Label3"), QStringLiteral("Task title:")), 0, 1);
    names->addWidget(taskName, 1, 0);
    names->addWidget(taskNameText, 1, 1);
    names->addWidget(exampleLabel(QStringLiteral("Label5"), QStringLiteral("Example: tsk1, taskObj1, obj1")), 2, 0);
    names->addWidget(exampleLabel(QStringLiteral("Label6"), QStringLiteral("Example: Primary objective")), 2, 1);
    names->setColumnStretch(0, 1);
    names->setColumnStretch(1, 1);
    layout->addLayout(names);

    QBoxLayout* description = fieldBlock(
        fieldLabel(QStringLiteral("Label2"), QStringLiteral("Description of the task:")), hostBox(),
        exampleLabel(QStringLiteral("Label7"),
                     QStringLiteral("Example: Be quick and precise! Our recon observed ... etc.")));
    description->setStretch(1, 1);
    layout->addLayout(description, 1);
    layout->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label4"), QStringLiteral("Task WP description:")),
                                 waypointName,
                                 exampleLabel(QStringLiteral("Label8"), QStringLiteral("Example: To target zone"))));

    setTabChain(this, {QStringLiteral("taskName"), QStringLiteral("taskNameText"), QStringLiteral("taskDescription"),
                       QStringLiteral("waypointName"), QStringLiteral("addMarkerButton"),
                       QStringLiteral("addLineBreakButton"), QStringLiteral("addPictureButton"),
                       QStringLiteral("AddButton"), QStringLiteral("CancelButton")});
    setStatementAction(
        [this, taskName, taskNameText]() -> QList<const QWidget*> { return {taskName, hostBox(), taskNameText}; },
        [this, taskName, taskNameText, waypointName] {
            return taskDescriptionStatement(boxText(taskName), boxText(hostBox()), boxText(taskNameText),
                                            boxText(waypointName));
        });
    taskName->setFocus();
}

} // namespace saltor
