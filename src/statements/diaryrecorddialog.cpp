#include "statements/diaryrecorddialog.h"

#include "shell/tabchain.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/dialogframe.h"
#include "statements/markupguard.h"
#include "statements/recordstatements.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

namespace {

const QString kFormName = QStringLiteral("createDiaryRecord");

} // namespace

DiaryRecordDialog::DiaryRecordDialog(Editor& editor) : HostDialog(editor, kFormName)
{
    m_unitName = singleLineBox(QStringLiteral("unitName"));
    m_recordPart = singleLineBox(QStringLiteral("recordPart"));
    m_recordDescription = multiLineBox(QStringLiteral("recordDescription"));
    m_check = new QCheckBox(QStringLiteral("Enabled"));
    m_check->setObjectName(QStringLiteral("Check"));
    m_check->setFont(verdanaFont(8.25));
    m_check->setChecked(true);
    setFieldActive(m_recordPart, true);

    QGroupBox* functions = functionsFrame(kFormName);
    QPushButton* add = commandButton(
        QStringLiteral("AddButton"), QStringLiteral("Create"),
        QStringLiteral("Adds formated code for command createDiaryRecord into the preview code window"));
    QPushButton* cancel = cancelButton();
    QGroupBox* controls = controlsFrame(QStringLiteral("Frame3"), add, cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(3);
    layout->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the unit:")), m_unitName,
                                 exampleLabel(QStringLiteral("Label5"), QStringLiteral("Example: player"))));

    auto* partRow = new QHBoxLayout;
    partRow->setSpacing(8);
    partRow->addWidget(m_recordPart, 1);
    partRow->addWidget(m_check);
    auto* part = new QVBoxLayout;
    part->setSpacing(1);
    part->addWidget(fieldLabel(QStringLiteral("Label3"), QStringLiteral("Name of the section:")));
    part->addLayout(partRow);
    part->addWidget(exampleLabel(QStringLiteral("Label7"), QStringLiteral("Example: Basic information, Recon etc.")));
    layout->addLayout(part);

    QBoxLayout* description = fieldBlock(
        fieldLabel(QStringLiteral("Label4"), QStringLiteral("Description:")), m_recordDescription,
        exampleLabel(QStringLiteral("Label8"), QStringLiteral("Example: Our recon observed following... etc.")));
    description->setStretch(1, 1);
    layout->addLayout(description, 1);
    layout->addWidget(functions);
    layout->addWidget(controls);

    connectHostButtons(m_recordDescription);
    setTabChain(this, {QStringLiteral("unitName"), QStringLiteral("recordPart"), QStringLiteral("recordDescription"),
                       QStringLiteral("addMarkerButton"), QStringLiteral("addLineBreakButton"),
                       QStringLiteral("addPictureButton"), QStringLiteral("AddButton"), QStringLiteral("CancelButton"),
                       QStringLiteral("Check")});
    connect(m_check, &QCheckBox::toggled, this, &DiaryRecordDialog::Check_Click);
    m_unitName->setFocus();
}

void DiaryRecordDialog::Check_Click()
{
    setFieldActive(m_recordPart, m_check->isChecked());
}

void DiaryRecordDialog::AddButton_Click()
{
    const bool withSection = m_check->isChecked();
    QList<const QWidget*> required = {m_unitName, m_recordDescription};
    if (withSection)
        required.append(m_recordPart);
    runStatementAction(*this, required, kFillAllFields, [this, withSection] {
        if (withSection)
            return diaryRecordSectionStatement(boxText(m_unitName), boxText(m_recordPart),
                                               boxText(m_recordDescription));
        return diaryRecordStatement(boxText(m_unitName), boxText(m_recordDescription));
    });
}

} // namespace saltor
