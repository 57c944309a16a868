#include "extras/mptemplatedialog.h"

#include "extras/mptemplate.h"
#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/statementaction.h"
#include "shell/tabchain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

namespace {

const QString kFormName = QStringLiteral("MP_template");
const QString kUnitNameMessage =
    QStringLiteral(" Write the name for the playable unit or click on the Cancel button. ");

struct SideBox {
    const char* name;
    const char* caption;
};

// In the side order of mpTemplate.
constexpr SideBox kSideBoxes[] = {
    {"Check_BLUFOR", "West (BLUFOR)"},
    {"Check_OPFOR", "East (OPFOR)"},
    {"Check_RES", "Resistance"},
    {"Check_CIV", "Civilian"},
};
static_assert(std::size(kSideBoxes) == kMpSideCount);

} // namespace

MpTemplateDialog::MpTemplateDialog(Editor& editor) : Form(editor, kFormName, dialogSettings(kFormName))
{
    m_unitName = singleLineBox(QStringLiteral("playableUnitName"));

    QGroupBox* sides = frame(QStringLiteral("frmSides"), QStringLiteral("Sides"));
    auto* sideColumn = new QVBoxLayout(sides);
    sideColumn->setContentsMargins(6, 2, 6, 4);
    sideColumn->setSpacing(2);
    QStringList tabOrder{QStringLiteral("playableUnitName")};
    for (const SideBox& side : kSideBoxes) {
        auto* box = new QCheckBox(QLatin1String(side.caption));
        box->setObjectName(QLatin1String(side.name));
        box->setFont(verdanaFont(8.25));
        box->setChecked(true);
        sideColumn->addWidget(box);
        m_sides.append(box);
        tabOrder.append(box->objectName());
    }

    auto* create = commandButton(QStringLiteral("CreateButton"), QStringLiteral("Create"),
                                 QStringLiteral("Create MP briefing template with selected items"));
    auto* cancel = cancelButton();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addLayout(fieldBlock(fieldLabel(QStringLiteral("Label1"), QStringLiteral("Name for the playable unit:")),
                                 m_unitName, exampleLabel(QStringLiteral("Label5"), QStringLiteral("Example: player"))));
    // The frame takes the height left over, so no empty band opens above the controls.
    column->addWidget(sides, 1);
    column->addWidget(controlsFrame(QStringLiteral("Frame2"), create, cancel));

    tabOrder << QStringLiteral("CreateButton") << QStringLiteral("CancelButton");
    setTabChain(this, tabOrder);
    m_unitName->setFocus();

    connect(create, &QPushButton::clicked, this, &MpTemplateDialog::CreateButton_Click);
    connect(cancel, &QPushButton::clicked, this, &MpTemplateDialog::CancelButton_Click);
}

void MpTemplateDialog::CreateButton_Click()
{
    runStatementAction(*this, {m_unitName}, kUnitNameMessage, [this] {
        MpSideTicks ticked{};
        for (int i = 0; i < kMpSideCount; ++i)
            ticked[i] = m_sides.at(i)->isChecked();
        return mpTemplate(boxText(m_unitName), ticked);
    });
}

void MpTemplateDialog::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
