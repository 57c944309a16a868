#include "extras/debriefingsection.h"

#include "extras/guardedlinebreak.h"
#include "shell/dialogframe.h"
#include "shell/fonts.h"
#include "shell/tabchain.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

DebriefingSection::DebriefingSection(const DebriefingSectionRow& row, QWidget* parent)
    : QWidget(parent), m_row(row)
{
    m_title = singleLineBox(QLatin1String(row.titleBox));
    m_description = multiLineBox(QLatin1String(row.descriptionBox));
    // Unlike the other dialogs' boxes, these are in the dialogs' default font.
    m_title->setFont(defaultDialogFont());
    m_description->setFont(defaultDialogFont());
    m_check = new QCheckBox(QStringLiteral("Active"));
    m_check->setObjectName(QLatin1String(row.checkBox));
    m_check->setFont(verdanaFont(8.25));
    m_lineBreakButton = colouredButton(QLatin1String(row.lineBreakButton), QStringLiteral("<br />"), kLightYellow);
    m_lineBreakButton->setFixedWidth(52);

    m_check->setChecked(row.ticked);
    m_title->setEnabled(row.ticked);
    m_description->setEnabled(row.ticked);
    m_lineBreakButton->setEnabled(row.ticked);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(3);
    column->addLayout(fieldBlock(fieldLabel(QLatin1String(row.titleLabel), QStringLiteral("Title:")), m_title));
    QBoxLayout* description =
        fieldBlock(fieldLabel(QLatin1String(row.descriptionLabel), QStringLiteral("Description:")), m_description);
    column->addLayout(description, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_check);
    bottom->addStretch(1);
    bottom->addWidget(m_lineBreakButton);
    column->addLayout(bottom);

    connect(m_check, &QCheckBox::toggled, this, &DebriefingSection::Check_Click);
    connect(m_lineBreakButton, &QPushButton::clicked, this, &DebriefingSection::lineBreakButton_Click);
}

bool DebriefingSection::isTicked() const
{
    return m_check->isChecked();
}

QString DebriefingSection::title() const
{
    return boxText(m_title);
}

QString DebriefingSection::description() const
{
    return boxText(m_description);
}

void DebriefingSection::greyBoxes()
{
    setFieldColor(m_title, inactiveFieldColor());
    setFieldColor(m_description, inactiveFieldColor());
}

void DebriefingSection::Check_Click()
{
    const auto ticked = [this] { return m_check->isChecked(); };
    if (!ticked())
        m_lineBreakButton->setEnabled(false);
    if (ticked())
        m_lineBreakButton->setEnabled(true);
    if (!ticked())
        setBoxText(m_title, QString());
    if (!ticked())
        setBoxText(m_description, QString());
    m_title->setEnabled(ticked());
    m_description->setEnabled(ticked());
    if (ticked())
        setFieldColor(m_title, activeFieldColor());
    if (!ticked())
        setFieldColor(m_title, inactiveFieldColor());
    if (ticked())
        setFieldColor(m_description, activeFieldColor());
    if (!ticked())
        setFieldColor(m_description, inactiveFieldColor());
}

void DebriefingSection::lineBreakButton_Click()
{
    appendGuardedLineBreak(m_description);
}

} // namespace saltor
