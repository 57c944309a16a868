#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace saltor {

// The names and design-time tick of one debriefing section; one row per tab.
struct DebriefingSectionRow {
    const char* tabCaption;
    const char* checkBox;
    const char* titleBox;
    const char* descriptionBox;
    const char* lineBreakButton;
    const char* titleLabel;
    const char* descriptionLabel;
    bool ticked;
};

// One tab of the debriefing dialog: a title box, a description box, the "Active" check box
// and the "<br />" button. Built in its design-time state: a ticked section has everything
// enabled, an unticked one has its boxes and button disabled (greyed by greyBoxes).
class DebriefingSection : public QWidget {
    Q_OBJECT
public:
    explicit DebriefingSection(const DebriefingSectionRow& row, QWidget* parent = nullptr);

    const DebriefingSectionRow& row() const { return m_row; }
    bool isTicked() const;
    QString title() const;
    QString description() const;
    QCheckBox* checkBox() const { return m_check; }

    // Gives both boxes the switched-off background, nothing else.
    void greyBoxes();

    // The section's "Active" check box, ticked or unticked: ticking enables the "<br />" button
    // and both boxes in the window colour; unticking disables the button, empties both boxes,
    // then disables and greys them.
    void Check_Click();
    // The section's "<br />" button: "<br />" and a line end at the end of the description,
    // while the description is enabled.
    void lineBreakButton_Click();

private:
    DebriefingSectionRow m_row;
    QCheckBox* m_check = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPushButton* m_lineBreakButton = nullptr;
};

} // namespace saltor
