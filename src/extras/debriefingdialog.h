#pragma once

#include "shell/form.h"

#include <QList>

class QLabel;
class QTabWidget;

namespace saltor {

class DebriefingSection;

// The debriefing dialog: writes briefing.html with up to seven debriefing sections (End 1 to
// End 6 and Loose), one per tab; only ticked sections give a block of the page.
class DebriefingDialog : public Form {
    Q_OBJECT
public:
    explicit DebriefingDialog(Editor& editor);

    // Shows the current tab in TabIndicator, greys the boxes of the unticked sections, then
    // the dialog guard.
    void Form_Load() override;
    // Refreshes TabIndicator; the tab index it receives is not used.
    void SSTab1_Click(int tab);
    // Builds the page, saves it and closes; a failed write leaves the dialog open as it was.
    void CreateButton_Click();
    void CancelButton_Click();

private:
    void showCurrentTab();

    QTabWidget* m_tabs = nullptr;
    QLabel* m_tabIndicator = nullptr;
    QList<DebriefingSection*> m_sections;
};

} // namespace saltor
