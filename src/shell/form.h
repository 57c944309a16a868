#pragma once

#include "shell/windowsettings.h"

#include <QWidget>

namespace saltor {

class Editor;

// A dialog form: one instance at a time, built from its design-time values by
// Editor::showDialog, which then runs Form_Load and shows it. Every way of closing it
// (its Cancel button, Esc, a successful action, a window-system close) ends in unload(),
// after which the next showDialog builds it afresh.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(Editor& editor, const QString& formName, const WindowSettings& settings);

    Editor& editor() const { return m_editor; }
    const WindowSettings& settings() const { return m_settings; }

    // Runs once, before the first show. The default is the dialog guard's opening step.
    virtual void Form_Load();

    // Closes the window and discards the instance; the registry forgets it at once.
    void unload();
    bool isUnloading() const { return m_unloading; }

protected:
    // Esc: clicks the form's CancelButton, if it has one and it is enabled.
    virtual void escapePressed();
    // A window-system close: runs the Cancel path so the guard is released.
    virtual void closeRequested();

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Editor& m_editor;
    WindowSettings m_settings;
    bool m_unloading = false;
};

} // namespace saltor
