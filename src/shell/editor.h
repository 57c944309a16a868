#pragma once

#include "shell/dialogopener.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace saltor {

class Form;
class MainWindow;
class Platform;

// The one object that owns the program's state: the main window, the single instance of
// each dialog form and the platform. The program makes one at start-up; each test makes its
// own, so nothing is global.
class Editor : public QObject, public DialogOpener {
    Q_OBJECT
public:
    using FormFactory = std::function<Form*(Editor&)>;

    explicit Editor(Platform& platform);
    ~Editor() override;

    Platform& platform() const { return m_platform; }
    MainWindow& main() const { return *m_main; }

    // Makes form `name` known to showDialog. Later registrations replace earlier ones.
    void registerForm(const QString& name, FormFactory factory);

    // Creates the single instance of `name` if there is none (running its Form_Load) and
    // shows it modeless, without an owner, in front. A name that no form was registered
    // under stops the program with that name: it is a fault of the program's own tables.
    Form* showDialog(const QString& name) override;
    // The loaded instance of `name`, or nullptr.
    Form* form(const QString& name) const;

    // Appends piece at the very end of the Document; the caret, selection and scroll of the
    // document stay as they were.
    void appendToPreview(const QString& piece);

    // The dialog guard: Main and its twelve command buttons off while a dialog opened from
    // Main is open. closeDialogGuard unloads the dialog first, then enables them in order
    // and gives Main the focus, on the control that had it when the guard opened (the
    // document, as a rule). The guard does not count or nest.
    void openDialogGuard();
    void closeDialogGuard(Form* dialog);

    // Brings the chain of open dialogs back in front, restored if minimised: the dialogs
    // waiting on one of their own (disabled) first, then the dialog that takes input on top of
    // them, which is activated. Called when a window that waits (disabled) is activated.
    void raiseOpenDialog() override;

    // Called by Form::unload: the next showDialog builds the form again.
    void forgetForm(Form* form);

private:
    Platform& m_platform;
    std::unique_ptr<MainWindow> m_main;
    QHash<QString, FormFactory> m_factories;
    QHash<QString, QPointer<Form>> m_forms;
};

} // namespace saltor
