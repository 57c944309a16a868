#include "statements/taskhint.h"

#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/statementaction.h"
#include "shell/tabchain.h"
#include "statements/taskstatements.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace saltor {

namespace {

const QString kWriteHint = QStringLiteral(" Write some text for the hint or click on the Cancel button. ");

struct ColourPreset {
    const char* name;
    const char* caption;
    std::array<const char*, 4> components; // red, green, blue, alpha
};

constexpr std::array<ColourPreset, 4> kPresets = {{
    {"whiteRadio", "White", {"1", "1", "1", "1"}},
    {"greenRadio", "Green", {"0", "1", "0", "1"}},
    {"redRadio", "Red", {"1", "0", "0", "1"}},
    {"greyRadio", "Grey", {"0.75", "0.75", "0.75", "1"}},
}};

struct Component {
    const char* box;
    const char* label;
    const char* caption;
    int red, green, blue; // the label's text colour
};

constexpr std::array<Component, 4> kComponents = {{
    {"redText", "Label1", "Red", 255, 0, 0},
    {"greenText", "Label2", "Green", 0, 128, 0},
    {"blueText", "Label3", "Blue", 0, 0, 128},
    {"alphaText", "Label4", "Alpha", 128, 128, 128},
}};

struct IconOption {
    const char* name;
    const char* caption;
    const char* icon;
};

constexpr std::array<IconOption, 5> kIcons = {{
    {"newRadio", "New", "taskNew"},
    {"currentRadio", "Current", "taskCurrent"},
    {"doneRadio", "Done", "taskDone"},
    {"failedRadio", "Failed", "taskFailed"},
    {"canceledRadio", "Canceled", "taskFailed"},
}};

template <typename T> T* verdana(T* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    control->setFont(verdanaFont(8.25));
    return control;
}

} // namespace

TaskHint::TaskHint(Editor& editor)
    : Form(editor, QStringLiteral("taskHint"), dialogSettings(QStringLiteral("taskHint")))
{
    m_hintText = multiLineBox(QStringLiteral("hintText"));
    QPushButton* lineBreak = colouredButton(QStringLiteral("lineBreakButton"), QStringLiteral("<br />"), kLightYellow);
    lineBreak->setFixedWidth(56);

    auto* exampleRow = new QHBoxLayout;
    exampleRow->setSpacing(4);
    exampleRow->addWidget(exampleLabel(QStringLiteral("Label5"), QStringLiteral("Example: TASK FAILED !<br />Enemy units  ...")));
    exampleRow->addStretch(1);
    exampleRow->addWidget(lineBreak);

    // The colour frame: the mode pair at the left, the presets right of it, the four
    // component boxes with their labels along the bottom.
    QGroupBox* colour = frame(QStringLiteral("frmColor"), QStringLiteral("Color"));
    auto* colourGrid = new QGridLayout(colour);
    colourGrid->setContentsMargins(6, 2, 6, 4);
    colourGrid->setHorizontalSpacing(4);
    colourGrid->setVerticalSpacing(1);
    m_default = verdana(new QCheckBox(QStringLiteral("Default")), "Check_default");
    m_manual = verdana(new QCheckBox(QStringLiteral("Manual")), "Check_manual");
    m_default->setChecked(true);
    colourGrid->addWidget(m_default, 0, 0, 1, 2);
    colourGrid->addWidget(m_manual, 1, 0, 1, 2);
    for (int row = 0; row < int(kPresets.size()); ++row) {
        auto* radio = verdana(new QRadioButton(QLatin1String(kPresets[size_t(row)].caption)), kPresets[size_t(row)].name);
        colourGrid->addWidget(radio, row, 2, 1, 2);
        m_colourRadios.append(radio);
    }
    m_colourRadios.first()->setChecked(true);
    colourGrid->setRowMinimumHeight(4, 4);
    for (int column = 0; column < int(kComponents.size()); ++column) {
        const Component& component = kComponents[size_t(column)];
        QLabel* label = fieldLabel(QLatin1String(component.label), QLatin1String(component.caption));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(component.red, component.green, component.blue));
        label->setPalette(palette);
        auto* box = singleLineBox(QLatin1String(component.box));
        box->setMinimumWidth(36);
        colourGrid->addWidget(label, 5, column);
        colourGrid->addWidget(box, 6, column);
        m_components.append(box);
    }

    QGroupBox* icon = frame(QStringLiteral("frmIcon"), QStringLiteral("Icon"));
    auto* iconColumn = new QVBoxLayout(icon);
    iconColumn->setContentsMargins(6, 2, 6, 4);
    iconColumn->setSpacing(1);
    QList<QRadioButton*> iconRadios;
    for (const IconOption& option : kIcons) {
        auto* radio = verdana(new QRadioButton(QLatin1String(option.caption)), option.name);
        iconColumn->addWidget(radio);
        iconRadios.append(radio);
    }
    iconColumn->addStretch(1);
    iconRadios.first()->setChecked(true);

    QPushButton* add = commandButton(QStringLiteral("AddButton"), QStringLiteral("Add"),
                                     QStringLiteral("Add formated code for command taskHint into the preview code window"));
    QPushButton* cancel = cancelButton();

    auto* frames = new QHBoxLayout;
    frames->setSpacing(4);
    frames->addWidget(colour, 1);
    frames->addWidget(icon);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(1);
    layout->addWidget(fieldLabel(QStringLiteral("Label6"), QStringLiteral("Text for the hint:")));
    layout->addWidget(m_hintText, 1);
    layout->addLayout(exampleRow);
    layout->addSpacing(3);
    layout->addLayout(frames);
    layout->addSpacing(3);
    layout->addWidget(controlsFrame(QStringLiteral("frmControls"), add, cancel));

    QStringList tabOrder = {QStringLiteral("hintText"), QStringLiteral("Check_default"), QStringLiteral("Check_manual"),
                            QLatin1String(kIcons[0].name), QStringLiteral("AddButton"), QStringLiteral("CancelButton"),
                            QStringLiteral("lineBreakButton")};
    for (const ColourPreset& preset : kPresets)
        tabOrder.append(QLatin1String(preset.name));
    for (const Component& component : kComponents)
        tabOrder.append(QLatin1String(component.box));
    for (size_t i = 1; i < kIcons.size(); ++i)
        tabOrder.append(QLatin1String(kIcons[i].name));
    setTabChain(this, tabOrder);
    m_hintText->setFocus();

    // Connected after the design-time values are set: those raise no handler.
    connect(m_default, &QCheckBox::toggled, this, &TaskHint::Check_default_Click);
    connect(m_manual, &QCheckBox::toggled, this, &TaskHint::Check_manual_Click);
    for (int row = 0; row < m_colourRadios.size(); ++row)
        connect(m_colourRadios[row], &QRadioButton::clicked, this, [this, row] { colourRadio_Click(row); });
    for (int row = 0; row < iconRadios.size(); ++row)
        connect(iconRadios[row], &QRadioButton::clicked, this, [this, row] { iconRadio_Click(row); });
    connect(lineBreak, &QPushButton::clicked, this, &TaskHint::lineBreakButton_Click);
    connect(add, &QPushButton::clicked, this, &TaskHint::AddButton_Click);
    connect(cancel, &QPushButton::clicked, this, &TaskHint::CancelButton_Click);
}

void TaskHint::Form_Load()
{
    for (QLineEdit* box : std::as_const(m_components))
        box->setText(QStringLiteral("1"));
    m_selectedIcon = QStringLiteral("taskNew");
    for (QLineEdit* box : std::as_const(m_components))
        setFieldActive(box, false);
    Form::Form_Load();
}

void TaskHint::Check_default_Click()
{
    if (m_default->isChecked())
        m_manual->setChecked(false);
    if (!m_default->isChecked() && !m_manual->isChecked())
        m_default->setChecked(true);
    for (QRadioButton* radio : std::as_const(m_colourRadios))
        if (m_default->isChecked())
            radio->setEnabled(true);
    for (QLineEdit* box : std::as_const(m_components)) {
        if (m_default->isChecked())
            box->setEnabled(false);
        setFieldColor(box, m_default->isChecked() ? inactiveFieldColor() : activeFieldColor());
    }
}

void TaskHint::Check_manual_Click()
{
    if (m_manual->isChecked())
        m_default->setChecked(false);
    if (!m_manual->isChecked() && !m_default->isChecked())
        m_manual->setChecked(true);
    for (QLineEdit* box : std::as_const(m_components))
        if (m_manual->isChecked())
            box->setEnabled(true);
    for (QRadioButton* radio : std::as_const(m_colourRadios))
        if (m_manual->isChecked())
            radio->setEnabled(false);
}

void TaskHint::colourRadio_Click(int row)
{
    const ColourPreset& preset = kPresets[size_t(row)];
    for (int i = 0; i < m_components.size(); ++i)
        m_components[i]->setText(QLatin1String(preset.components[size_t(i)]));
}

void TaskHint::iconRadio_Click(int row)
{
    m_selectedIcon = QLatin1String(kIcons[size_t(row)].icon);
}

void TaskHint::lineBreakButton_Click()
{
    appendLineBreak(m_hintText);
}

void TaskHint::AddButton_Click()
{
    runStatementAction(*this, {m_hintText}, kWriteHint, [this] {
        return taskHintStatement(boxText(m_hintText), m_components[0]->text(), m_components[1]->text(),
                                 m_components[2]->text(), m_components[3]->text(), m_selectedIcon);
    });
}

void TaskHint::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
