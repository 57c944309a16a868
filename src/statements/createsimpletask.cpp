#include "statements/createsimpletask.h"

#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/statementaction.h"
#include "shell/tabchain.h"
#include "statements/taskstatements.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

CreateSimpleTask::CreateSimpleTask(Editor& editor)
    : Form(editor, QStringLiteral("createSimpleTask"), dialogSettings(QStringLiteral("createSimpleTask")))
{
    m_taskName = singleLineBox(QStringLiteral("taskName"));
    m_taskUnit = singleLineBox(QStringLiteral("taskUnit"));
    m_taskDescription = singleLineBox(QStringLiteral("taskDescription"));
    QPushButton* add = commandButton(QStringLiteral("AddButton"), QStringLiteral("Create"),
                                     QStringLiteral("Adds formated code for command createSimpleTask into the preview code window"));
    QPushButton* cancel = cancelButton();

    auto* firstRow = new QHBoxLayout;
    firstRow->setSpacing(8);
    firstRow->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the task:")),
                                   m_taskName,
                                   exampleLabel(QStringLiteral("Label4"), QStringLiteral("Example: tsk1, taskObj1, obj1"))));
    firstRow->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label2"), QStringLiteral("Task assigned to the unit:")),
                                   m_taskUnit, exampleLabel(QStringLiteral("Label5"), QStringLiteral("Example: player"))));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(firstRow);
    layout->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label3"), QStringLiteral("Short description of the task:")),
                                 m_taskDescription,
                                 exampleLabel(QStringLiteral("Label6"), QStringLiteral("Example: Primary task: Seize Guglovo"))));
    layout->addStretch(1);
    layout->addWidget(controlsFrame(QStringLiteral("Frame2"), add, cancel));

    setTabChain(this, {QStringLiteral("taskName"), QStringLiteral("taskUnit"), QStringLiteral("taskDescription"),
                       QStringLiteral("AddButton"), QStringLiteral("CancelButton")});
    m_taskName->setFocus();

    connect(add, &QPushButton::clicked, this, &CreateSimpleTask::AddButton_Click);
    connect(cancel, &QPushButton::clicked, this, &CreateSimpleTask::CancelButton_Click);
}

void CreateSimpleTask::AddButton_Click()
{
    runStatementAction(*this, {m_taskName, m_taskUnit, m_taskDescription}, kFillAllFields, [this] {
        return createSimpleTaskStatement(m_taskName->text(), m_taskUnit->text(), m_taskDescription->text());
    });
}

void CreateSimpleTask::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
