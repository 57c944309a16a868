#pragma once

#include "shell/form.h"

#include <QList>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace saltor {

// taskHint: a hint text, a colour (four component boxes) and a task icon; "Add" appends
// "taskHint ["hint", [r, g, b, a], "icon"]; ". The colour is given either by four presets
// (Default) or typed into the boxes (Manual); the two mode check boxes act as a pair of
// which exactly one is ticked.
class TaskHint : public Form {
    Q_OBJECT
public:
    explicit TaskHint(Editor& editor);

    // The boxes at "1", switched off, the icon "taskNew"; then the dialog guard.
    void Form_Load() override;

    // The colour-mode pair. Each step reads the check boxes afresh: setting a check box's
    // value from code runs its handler at once, inside the setting step.
    void Check_default_Click();
    void Check_manual_Click();
    // A click on one of the colour presets (row 0 is White, at the top) puts its four
    // components into the boxes.
    void colourRadio_Click(int row);
    // A click on one of the icon options (row 0 is New, at the top) makes its keyword the
    // selected icon.
    void iconRadio_Click(int row);
    void lineBreakButton_Click();
    void AddButton_Click();
    void CancelButton_Click();

    // The icon keyword that goes into the statement.
    QString selectedIcon() const { return m_selectedIcon; }

private:
    QPlainTextEdit* m_hintText = nullptr;
    QCheckBox* m_default = nullptr;
    QCheckBox* m_manual = nullptr;
    QList<QRadioButton*> m_colourRadios;
    // redText, greenText, blueText, alphaText in this order.
    QList<QLineEdit*> m_components;
    QString m_selectedIcon;
};

} // namespace saltor
