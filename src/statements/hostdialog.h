#pragma once

#include "shell/form.h"

#include <QList>
#include <QPointer>

#include <functional>

class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace saltor {

// A statement dialog whose multi-line box takes markup: the "Functions" frame opens the inline
// markup dialogs bound to it and appends line breaks; while a markup dialog is open the markup
// guard switches this dialog and its hostDialogButtons.
class HostDialog : public Form {
    Q_OBJECT
public:
    void addMarkerButton_Click();
    void addLineBreakButton_Click();
    void addPictureButton_Click();
    // The statement action of the dialog: requireFields on the fields its statement needs;
    // when all hold text, the statement goes to the end of the document and the dialog closes.
    void AddButton_Click();
    void CancelButton_Click();

    // The five command buttons in the order both markup guards switch them: addMarkerButton,
    // addLineBreakButton, addPictureButton, AddButton, CancelButton.
    QList<QPushButton*> hostDialogButtons() const;
    // The multi-line box that receives the markup and the line breaks.
    QPlainTextEdit* hostBox() const { return m_hostBox; }

    // The control that has the focus, kept while the markup guard holds the dialog disabled;
    // restoreFocusBeforeGuard gives it the focus back, unless it was deleted meanwhile.
    void keepFocusBeforeGuard();
    void restoreFocusBeforeGuard();

protected:
    // Makes the host box (named by the markup bindings; the subclass places it among its
    // fields) and lays the dialog out: the fields on top (the subclass fills fieldsLayout(),
    // which takes the spare height), then the "Functions" frame, then the "Controls" frame
    // Frame3 with AddButton (addCaption, addToolTip) and CancelButton. The five buttons are
    // connected to their handlers.
    HostDialog(Editor& editor, const QString& formName, const QString& addCaption, const QString& addToolTip);

    QVBoxLayout* fieldsLayout() const { return m_fields; }
    // What AddButton_Click requires (asked at each click) and the statement it appends.
    void setStatementAction(std::function<QList<const QWidget*>()> required, std::function<QString()> statement);

private:
    QVBoxLayout* m_fields = nullptr;
    QPlainTextEdit* m_hostBox = nullptr;
    QPushButton* m_addMarkerButton = nullptr;
    QPushButton* m_addLineBreakButton = nullptr;
    QPushButton* m_addPictureButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPointer<QWidget> m_focusBeforeGuard;
    std::function<QList<const QWidget*>()> m_required;
    std::function<QString()> m_statement;
};

} // namespace saltor
