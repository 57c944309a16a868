#include "statements/settaskstate.h"

#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/statementaction.h"
#include "shell/tabchain.h"
#include "statements/taskstatements.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace saltor {

namespace {

const QString kWriteTaskName = QStringLiteral(" Write the name of the task or click on the Cancel button. ");

struct StateOption {
    const char* name;
    const char* caption;
    const char* stateText; // as it goes into the script, quotes included
};

constexpr std::array<StateOption, 5> kStates = {{
    {"createdRadio", "Created (default)", "\"Created\""},
    {"assignedRadio", "Assigned", "\"Assigned\""},
    {"succeededRadio", "Succeeded", "\"Succeeded\""},
    {"failedRadio", "Failed", "\"Failed\""},
    {"canceledRadio", "Canceled", "\"Canceled\""},
}};

} // namespace

SetTaskState::SetTaskState(Editor& editor)
    : Form(editor, QStringLiteral("setTaskState"), dialogSettings(QStringLiteral("setTaskState")))
{
    m_taskName = singleLineBox(QStringLiteral("taskName"));
    QPushButton* set = commandButton(QStringLiteral("SetButton"), QStringLiteral("Set"),
                                     QStringLiteral("Add formated code for command setTaskState into the preview code window"));
    QPushButton* cancel = cancelButton();

    QGroupBox* status = frame(QStringLiteral("Frame1"), QStringLiteral("Status of the task"));
    auto* options = new QVBoxLayout(status);
    options->setContentsMargins(8, 2, 6, 4);
    options->setSpacing(2);
    QList<QRadioButton*> radios;
    for (const StateOption& state : kStates) {
        auto* radio = new QRadioButton(QString::fromLatin1(state.caption));
        radio->setObjectName(QString::fromLatin1(state.name));
        radio->setFont(verdanaFont(8.25));
        options->addWidget(radio);
        radios.append(radio);
    }
    radios.first()->setChecked(true);
    // The state the option buttons chose; the user neither types into it nor needs to see it.
    m_taskStatus = singleLineBox(QStringLiteral("taskStatus"));
    m_taskStatus->setParent(status);
    m_taskStatus->setEnabled(false);
    m_taskStatus->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the task:")), m_taskName,
                                 exampleLabel(QStringLiteral("Label4"), QStringLiteral("Example: tsk1, taskObj1, obj1"))));
    layout->addWidget(status);
    layout->addStretch(1);
    layout->addWidget(controlsFrame(QStringLiteral("Frame2"), set, cancel));

    QStringList tabOrder = {QStringLiteral("taskName"), QStringLiteral("SetButton"), QStringLiteral("CancelButton")};
    for (const StateOption& state : kStates)
        tabOrder.append(QString::fromLatin1(state.name));
    setTabChain(this, tabOrder);
    m_taskName->setFocus();

    for (int row = 0; row < radios.size(); ++row)
        connect(radios[row], &QRadioButton::clicked, this, [this, row] { stateRadio_Click(row); });
    connect(set, &QPushButton::clicked, this, &SetTaskState::SetButton_Click);
    connect(cancel, &QPushButton::clicked, this, &SetTaskState::CancelButton_Click);
}

void SetTaskState::Form_Load()
{
    m_taskStatus->setText(QString::fromLatin1(kStates.front().stateText));
    Form::Form_Load();
}

void SetTaskState::stateRadio_Click(int row)
{
    m_taskStatus->setText(QString::fromLatin1(kStates[static_cast<size_t>(row)].stateText));
}

void SetTaskState::SetButton_Click()
{
    runStatementAction(*this, {m_taskName}, kWriteTaskName, [this] {
        return setTaskStateStatement(m_taskName->text(), m_taskStatus->text());
    });
}

void SetTaskState::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
