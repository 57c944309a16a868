#include "shell/editor.h"

#include "platform/platform.h"
#include "shell/form.h"
#include "shell/mainwindow.h"

#include <QPushButton>

namespace saltor {

Editor::Editor(Platform& platform)
    : m_platform(platform), m_main(std::make_unique<MainWindow>(platform, *this))
{
}

Editor::~Editor()
{
    for (const QPointer<Form>& form : std::as_const(m_forms))
        delete form.data();
}

void Editor::registerForm(const QString& name, FormFactory factory)
{
    m_factories.insert(name, std::move(factory));
}

Form* Editor::showDialog(const QString& name)
{
    Form* instance = form(name);
    if (!instance) {
        const auto factory = m_factories.constFind(name);
        if (factory == m_factories.constEnd())
            qFatal("showDialog: no form is registered as %s", qPrintable(name));
        instance = (*factory)(*this);
        m_forms.insert(name, instance);
        instance->Form_Load();
        placeWindow(instance, instance->settings().position, m_main.get());
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

Form* Editor::form(const QString& name) const
{
    return m_forms.value(name).data();
}

void Editor::raiseOpenDialog()
{
    // The open dialogs form one chain: a dialog waiting on one of its own (disabled) stands
    // behind the dialog that takes input. All come back, the waiting ones first, so that the
    // one that takes input ends on top with the focus and none stays hidden behind the window
    // that was activated.
    QList<Form*> waiting;
    Form* front = nullptr;
    for (const QPointer<Form>& form : std::as_const(m_forms)) {
        if (!form || !form->isVisible() || form->isUnloading())
            continue;
        if (form->isEnabled())
            front = form;
        else
            waiting.append(form);
    }
    if (!front)
        return;
    waiting.append(front);
    for (Form* form : std::as_const(waiting)) {
        // The window manager may offer a minimize box; a minimized dialog would leave Main
        // locked with nothing to click.
        if (form->isMinimized())
            form->showNormal();
        form->raise();
    }
    front->activateWindow();
}

void Editor::forgetForm(Form* form)
{
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        if (it.value() == form) {
            m_forms.erase(it);
            return;
        }
    }
}

void Editor::appendToPreview(const QString& piece)
{
    m_main->textPreview()->append(piece);
}

void Editor::openDialogGuard()
{
    m_main->keepActiveControl();
    m_main->setEnabled(false);
    for (QPushButton* button : m_main->mainCommandButtons())
        button->setEnabled(false);
}

void Editor::closeDialogGuard(Form* dialog)
{
    if (dialog)
        dialog->unload();
    m_main->setEnabled(true);
    for (QPushButton* button : m_main->mainCommandButtons())
        button->setEnabled(true);
    m_main->SetFocus();
}

} // namespace saltor
