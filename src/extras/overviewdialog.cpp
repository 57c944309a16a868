#include "extras/overviewdialog.h"

#include "extras/guardedlinebreak.h"
#include "extras/overviewpage.h"
#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/pagesave.h"
#include "shell/tabchain.h"

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

const QString kFormName = QStringLiteral("overview");
const QString kFilter = QStringLiteral("overview.html|overview.html");

QCheckBox* optionBox(const QString& name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setFont(verdanaFont(8.25));
    box->setChecked(true);
    return box;
}

QLabel* smallLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setFont(verdanaFont(6.75));
    return label;
}

} // namespace

OverviewDialog::OverviewDialog(Editor& editor) : Form(editor, kFormName, dialogSettings(kFormName))
{
    m_check1 = optionBox(QStringLiteral("Check1"), QStringLiteral("Add picture"));
    m_check2 = optionBox(QStringLiteral("Check2"), QStringLiteral("Add short mission description"));
    m_lineBreakButton = colouredButton(QStringLiteral("lineBreakButton"), QStringLiteral("<br />"), kLightYellow);
    m_lineBreakButton->setFixedWidth(52);
    m_text1 = singleLineBox(QStringLiteral("Text1"));
    m_text2 = singleLineBox(QStringLiteral("Text2"));
    m_text3 = singleLineBox(QStringLiteral("Text3"));
    m_text4 = multiLineBox(QStringLiteral("Text4"));
    auto* create = commandButton(QStringLiteral("CreateButton"), QStringLiteral("Create"),
                                 QStringLiteral("Create overview.html file with selected items"));
    auto* cancel = cancelButton();

    QGroupBox* options = frame(QStringLiteral("Frame1"), QStringLiteral("Options"));
    auto* optionRow = new QHBoxLayout(options);
    optionRow->setContentsMargins(6, 2, 6, 4);
    optionRow->setSpacing(4);
    auto* checks = new QVBoxLayout;
    checks->setSpacing(2);
    checks->addWidget(m_check1);
    checks->addWidget(m_check2);
    optionRow->addLayout(checks, 1);
    optionRow->addWidget(m_lineBreakButton, 0, Qt::AlignVCenter);

    QGroupBox* picture = frame(QStringLiteral("Frame4"), QStringLiteral("Picture"));
    auto* pictureColumn = new QVBoxLayout(picture);
    pictureColumn->setContentsMargins(6, 2, 6, 4);
    pictureColumn->setSpacing(3);
    pictureColumn->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label7"), QStringLiteral("Link to the picture:")), m_text1));
    auto* sizeRow = new QHBoxLayout;
    sizeRow->setSpacing(8);
    m_text2->setFixedWidth(70);
    m_text3->setFixedWidth(70);
    sizeRow->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label6"), QStringLiteral("Width:")), m_text2));
    auto* height = new QVBoxLayout;
    height->setSpacing(1);
    height->addWidget(fieldLabel(QStringLiteral("Label4"), QStringLiteral("Height:")));
    auto* heightBox = new QHBoxLayout;
    heightBox->setSpacing(4);
    heightBox->addWidget(m_text3);
    heightBox->addWidget(smallLabel(QStringLiteral("Label5"), QStringLiteral("(pixels)")));
    height->addLayout(heightBox);
    sizeRow->addLayout(height);
    sizeRow->addStretch(1);
    pictureColumn->addLayout(sizeRow);

    QGroupBox* description = frame(QStringLiteral("Frame3"), QStringLiteral("Description"));
    auto* descriptionColumn = new QVBoxLayout(description);
    descriptionColumn->setContentsMargins(6, 2, 6, 6);
    descriptionColumn->addWidget(m_text4);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addWidget(options);
    column->addWidget(picture);
    column->addWidget(description, 1);
    column->addWidget(controlsFrame(QStringLiteral("Frame2"), create, cancel));

    setTabChain(this, {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3"),
                       QStringLiteral("Text4"), QStringLiteral("CreateButton"), QStringLiteral("CancelButton"),
                       QStringLiteral("Check1"), QStringLiteral("Check2"), QStringLiteral("lineBreakButton")});
    m_text1->setFocus();

    connect(m_check1, &QCheckBox::toggled, this, &OverviewDialog::Check1_Click);
    connect(m_check2, &QCheckBox::toggled, this, &OverviewDialog::Check2_Click);
    connect(m_lineBreakButton, &QPushButton::clicked, this, &OverviewDialog::lineBreakButton_Click);
    connect(create, &QPushButton::clicked, this, &OverviewDialog::CreateButton_Click);
    connect(cancel, &QPushButton::clicked, this, &OverviewDialog::CancelButton_Click);
}

void OverviewDialog::Check1_Click()
{
    const auto ticked = [this] { return m_check1->isChecked(); };
    m_text1->setEnabled(ticked());
    m_text2->setEnabled(ticked());
    m_text3->setEnabled(ticked());
    if (!ticked())
        setBoxText(m_text1, QString());
    if (!ticked())
        setBoxText(m_text2, QString());
    if (!ticked())
        setBoxText(m_text3, QString());
    if (!ticked())
        m_check2->setChecked(true); // runs Check2_Click now if Check2 was unticked
    if (ticked())
        setFieldColor(m_text1, activeFieldColor());
    if (!ticked())
        setFieldColor(m_text1, inactiveFieldColor());
    if (ticked())
        setFieldColor(m_text2, activeFieldColor());
    if (!ticked())
        setFieldColor(m_text2, inactiveFieldColor());
    if (ticked())
        setFieldColor(m_text3, activeFieldColor());
    if (!ticked())
        setFieldColor(m_text3, inactiveFieldColor());
}

void OverviewDialog::Check2_Click()
{
    const auto ticked = [this] { return m_check2->isChecked(); };
    m_text4->setEnabled(ticked());
    if (!ticked())
        m_check1->setChecked(true); // runs Check1_Click now if Check1 was unticked
    if (!ticked())
        m_text1->setEnabled(true);
    if (!ticked())
        m_text2->setEnabled(true);
    if (!ticked())
        m_text3->setEnabled(true);
    if (!ticked())
        m_lineBreakButton->setEnabled(false);
    if (ticked())
        m_lineBreakButton->setEnabled(true);
    if (!ticked())
        setBoxText(m_text4, QString());
    if (ticked())
        setFieldColor(m_text4, activeFieldColor());
    if (!ticked())
        setFieldColor(m_text4, inactiveFieldColor());
}

void OverviewDialog::lineBreakButton_Click()
{
    appendGuardedLineBreak(m_text4);
}

void OverviewDialog::CreateButton_Click()
{
    OverviewContent content;
    content.picture = m_check1->isChecked();
    content.description = m_check2->isChecked();
    if (content.picture) {
        content.link = boxText(m_text1);
        content.width = boxText(m_text2);
        content.height = boxText(m_text3);
    }
    if (content.description)
        content.text = boxText(m_text4);
    const QString page = overviewPage(content);
    savePageAndClose(*this, kFilter, page);
}

void OverviewDialog::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
