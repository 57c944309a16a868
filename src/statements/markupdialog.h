#pragma once

#include "shell/form.h"

#include <QList>

#include <functional>

class QGroupBox;
class QPlainTextEdit;

namespace saltor {

class HostDialog;
struct MarkupBinding;

// markup after the last character of the host box, whatever its caret or selection; the
// caret and selection stay as they were.
void appendToHostBox(QPlainTextEdit* hostBox, const QString& markup);

// An inline markup dialog: it holds its host (the binding row's host form) under the markup
// guard while it is open, and its Add appends the markup of its fields to the end of the host
// box. A subclass builds its fields and says which of them Add requires and what markup they
// give.
class MarkupDialog : public Form {
    Q_OBJECT
public:
    // The markup guard on the host instead of the dialog guard: Main is left as it is. While
    // the host is disabled, activating it brings the open dialogs back in front.
    void Form_Load() override;
    // requireFields on the required fields; when all hold text, the markup goes to the end of
    // the host box and closeMarkupGuard closes the dialog.
    void AddButton_Click();
    // closeMarkupGuard alone.
    void CancelButton_Click();

protected:
    MarkupDialog(Editor& editor, const MarkupBinding& binding);

    // The "Controls" frame with AddButton (addToolTip) and CancelButton, connected to their
    // handlers.
    QGroupBox* makeControls(const QString& addToolTip);
    // Sets the binding's field font on the text boxes and their labels.
    void setFieldFont(const QList<QWidget*>& widgets) const;

    // The fields Add requires to hold text, in the order they are read, and the markup they
    // give.
    void setMarkupAction(const QList<const QWidget*>& required, std::function<QString()> markup);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The loaded host and its host box (nullptr when the host is not loaded).
    HostDialog* host() const;
    QPlainTextEdit* hostBox() const;

    const MarkupBinding& m_binding;
    QList<const QWidget*> m_required;
    std::function<QString()> m_markup;
};

} // namespace saltor
