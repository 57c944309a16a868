#pragma once

#include "shell/tabchain.h"
#include "shell/form.h"

class QPlainTextEdit;

namespace saltor {

// A statement dialog whose multi-line box takes markup: the "Functions" frame opens the inline
// markup dialogs bound to it and appends line breaks; while a markup dialog is open the markup
// guard switches this dialog and its hostDialogButtons.
class HostDialog : public Form {
    Q_OBJECT
public:
    HostDialog(Editor& editor, const QString& formName);

    void addMarkerButton_Click();
    void addLineBreakButton_Click();
    void addPictureButton_Click();
    // The statement action of the dialog.
    virtual void AddButton_Click() = 0;
    void CancelButton_Click();

protected:
    // Binds the host box and connects the five hostDialogButtons to their handlers.
    void connectHostButtons(QPlainTextEdit* hostBox);

private:
    QPlainTextEdit* m_hostBox = nullptr;
};

} // namespace saltor
