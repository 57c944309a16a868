#include "statements/markupdialog.h"

#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"
#include "shell/plaintextbox.h"
#include "statements/hostdialog.h"
#include "statements/markupbindings.h"
#include "statements/markupguard.h"
#include "statements/markupwidgets.h"

#include <QEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace saltor {

void appendToHostBox(QPlainTextEdit* hostBox, const QString& markup)
{
    if (hostBox)
        appendKeepingView(hostBox, markup);
}

MarkupDialog::MarkupDialog(Editor& editor, const MarkupBinding& binding)
    : Form(editor, binding.form, dialogSettings(binding.form)), m_binding(binding)
{
}

void MarkupDialog::Form_Load()
{
    HostDialog* loadedHost = host();
    openMarkupGuard(loadedHost);
    if (loadedHost)
        loadedHost->installEventFilter(this);
}

void MarkupDialog::AddButton_Click()
{
    if (!requireFields(editor().platform(), m_required, kFillAllFields))
        return;
    appendToHostBox(hostBox(), m_markup());
    closeMarkupGuard(this, host());
}

void MarkupDialog::CancelButton_Click()
{
    closeMarkupGuard(this, host());
}

QGroupBox* MarkupDialog::makeControls(const QString& addToolTip)
{
    const MarkupControlsFrame controls = markupControlsFrame(m_binding, addToolTip);
    connect(controls.addButton, &QPushButton::clicked, this, &MarkupDialog::AddButton_Click);
    connect(controls.cancelButton, &QPushButton::clicked, this, &MarkupDialog::CancelButton_Click);
    return controls.frame;
}

void MarkupDialog::setMarkupAction(const QList<const QWidget*>& required, std::function<QString()> markup)
{
    m_required = required;
    m_markup = std::move(markup);
}

void MarkupDialog::setFieldFont(const QList<QWidget*>& widgets) const
{
    const QFont font = markupFieldFont(m_binding);
    for (QWidget* widget : widgets)
        widget->setFont(font);
}

bool MarkupDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the host while this dialog holds it disabled. Deferred: the window manager
    // is still busy activating the host.
    if (event->type() == QEvent::WindowActivate) {
        HostDialog* loadedHost = host();
        if (watched == loadedHost && !loadedHost->isEnabled())
            QTimer::singleShot(0, &editor(), &Editor::raiseOpenDialog);
    }
    return Form::eventFilter(watched, event);
}

HostDialog* MarkupDialog::host() const
{
    return qobject_cast<HostDialog*>(editor().form(m_binding.hostForm));
}

QPlainTextEdit* MarkupDialog::hostBox() const
{
    HostDialog* loadedHost = host();
    return loadedHost ? loadedHost->hostBox() : nullptr;
}

} // namespace saltor
