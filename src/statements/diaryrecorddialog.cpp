#include "statements/diaryrecorddialog.h"

#include "shell/tabchain.h"
#include "shell/fonts.h"
#include "shell/dialogframe.h"
#include "statements/recordstatements.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace saltor {

DiaryRecordDialog::DiaryRecordDialog(Editor& editor)
    : HostDialog(editor, QStringLiteral("createDiaryRecord"), QStringLiteral("Create"),
                 QStringLiteral("Adds formated code for command createDiaryRecord into the preview code window"))
{
    QLineEdit* unitName = singleLineBox(QStringLiteral("unitName"));
    m_recordPart = singleLineBox(QStringLiteral("recordPart"));
    m_check = new QCheckBox(QStringLiteral("Enabled"));
    m_check->setObjectName(QStringLiteral("Check"));
    m_check->setFont(verdanaFont(8.25));
    m_check->setChecked(true);
    setFieldActive(m_recordPart, true);

    QVBoxLayout* layout = fieldsLayout();
    layout->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name of the unit:")), unitName,
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
        fieldLabel(QStringLiteral("Label4"), QStringLiteral("Description:")), hostBox(),
        exampleLabel(QStringLiteral("Label8"), QStringLiteral("Example: Our recon observed following... etc.")));
    description->setStretch(1, 1);
    layout->addLayout(description, 1);

    setTabChain(this, {QStringLiteral("unitName"), QStringLiteral("recordPart"), QStringLiteral("recordDescription"),
                       QStringLiteral("addMarkerButton"), QStringLiteral("addLineBreakButton"),
                       QStringLiteral("addPictureButton"), QStringLiteral("AddButton"), QStringLiteral("CancelButton"),
                       QStringLiteral("Check")});
    connect(m_check, &QCheckBox::toggled, this, &DiaryRecordDialog::Check_Click);
    // The section name is required, and written, only while Check is ticked.
    setStatementAction(
        [this, unitName]() -> QList<const QWidget*> {
            if (m_check->isChecked())
                return {unitName, hostBox(), m_recordPart};
            return {unitName, hostBox()};
        },
        [this, unitName] {
            if (m_check->isChecked())
                return diaryRecordSectionStatement(boxText(unitName), boxText(m_recordPart), boxText(hostBox()));
            return diaryRecordStatement(boxText(unitName), boxText(hostBox()));
        });
    unitName->setFocus();
}

void DiaryRecordDialog::Check_Click()
{
    setFieldActive(m_recordPart, m_check->isChecked());
}

} // namespace saltor
