#include "extras/debriefingdialog.h"

#include "extras/briefingpage.h"
#include "extras/debriefingsection.h"
#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/pagesave.h"
#include "shell/tabchain.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace saltor {

namespace {

const QString kFormName = QStringLiteral("debriefing");
const QString kFilter = QStringLiteral("briefing.html|briefing.html");

// In page order; the rows match the sections of briefingPage.
constexpr DebriefingSectionRow kSections[] = {
    {"End 1", "Check1", "End1Text1", "End1Text2", "End1lineBreakButton", "Label9", "Label10", true},
    {"End 2", "Check2", "End2Text1", "End2Text2", "End2lineBreakButton", "Label11", "Label12", false},
    {"End 3", "Check3", "End3Text1", "End3Text2", "End3lineBreakButton", "Label13", "Label14", false},
    {"End 4", "Check4", "End4Text1", "End4Text2", "End4lineBreakButton", "Label15", "Label16", false},
    {"End 5", "Check5", "End5Text1", "End5Text2", "End5lineBreakButton", "Label17", "Label18", false},
    {"End 6", "Check6", "End6Text1", "End6Text2", "End6lineBreakButton", "Label19", "Label20", false},
    {"Loose", "Check7", "LooseText1", "LooseText2", "LooselineBreakButton", "Label21", "Label22", false},
};
static_assert(std::size(kSections) == kBriefingSectionCount);

// The form's own tab order, End5Text2 included where it stands.
const char* const kTabOrder[] = {
    "Check1", "End1Text1", "End1Text2", "End1lineBreakButton", "CreateButton", "CancelButton",
    "Check2", "End2Text1", "End2Text2", "End2lineBreakButton", "End5Text2",
    "Check3", "End3Text1", "End3Text2", "End3lineBreakButton",
    "Check4", "End4Text1", "End4Text2", "End4lineBreakButton",
    "Check5", "End5Text1", "End5lineBreakButton",
    "Check6", "End6Text1", "End6Text2", "End6lineBreakButton",
    "Check7", "LooseText1", "LooseText2", "LooselineBreakButton",
};

// Narrower tab padding, so the seven tabs fit in one row of the fixed-size window.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

DebriefingDialog::DebriefingDialog(Editor& editor) : Form(editor, kFormName, dialogSettings(kFormName))
{
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setFont(defaultDialogFont());
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(m_tabs->tabBar());
    m_tabs->tabBar()->setStyle(tabStyle);
    for (const DebriefingSectionRow& row : kSections) {
        auto* section = new DebriefingSection(row);
        m_sections.append(section);
        m_tabs->addTab(section, QLatin1String(row.tabCaption));
    }

    m_tabIndicator = new QLabel(QStringLiteral("Tab Indicator"));
    m_tabIndicator->setObjectName(QStringLiteral("TabIndicator"));
    m_tabIndicator->setFont(verdanaFont(6.75));
    m_tabIndicator->setTextFormat(Qt::PlainText);
    QPalette grey = m_tabIndicator->palette();
    grey.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::Active, QPalette::PlaceholderText));
    m_tabIndicator->setPalette(grey);

    auto* create = commandButton(QStringLiteral("CreateButton"), QStringLiteral("Create"),
                                 QStringLiteral("Create briefing.html file with selected items"));
    auto* cancel = cancelButton();
    QGroupBox* controls = controlsFrame(QStringLiteral("Frame8"), create, cancel);
    if (auto* row = qobject_cast<QBoxLayout*>(controls->layout()))
        row->insertWidget(0, m_tabIndicator, 0, Qt::AlignVCenter);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addWidget(m_tabs, 1);
    column->addWidget(controls);

    QStringList order;
    for (const char* name : kTabOrder)
        order.append(QLatin1String(name));
    setTabChain(this, order);
    m_sections.first()->checkBox()->setFocus();

    connect(m_tabs, &QTabWidget::currentChanged, this, &DebriefingDialog::SSTab1_Click);
    connect(create, &QPushButton::clicked, this, &DebriefingDialog::CreateButton_Click);
    connect(cancel, &QPushButton::clicked, this, &DebriefingDialog::CancelButton_Click);
}

void DebriefingDialog::Form_Load()
{
    showCurrentTab();
    for (DebriefingSection* section : std::as_const(m_sections))
        if (!section->row().ticked)
            section->greyBoxes();
    Form::Form_Load();
}

void DebriefingDialog::SSTab1_Click(int tab)
{
    Q_UNUSED(tab);
    showCurrentTab();
}

void DebriefingDialog::showCurrentTab()
{
    m_tabIndicator->setText(QStringLiteral("Current tab: ") + m_tabs->tabText(m_tabs->currentIndex()));
}

void DebriefingDialog::CreateButton_Click()
{
    BriefingSections sections;
    for (int i = 0; i < kBriefingSectionCount; ++i) {
        const DebriefingSection* section = m_sections.at(i);
        sections[i].active = section->isTicked();
        if (sections[i].active) {
            sections[i].title = section->title();
            sections[i].description = section->description();
        }
    }
    const QString page = briefingPage(sections);
    savePageAndClose(*this, kFilter, page);
}

void DebriefingDialog::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
