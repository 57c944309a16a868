#include "shell/form.h"

#include "shell/editor.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace saltor {

Form::Form(Editor& editor, const QString& formName, const WindowSettings& settings)
    : QWidget(nullptr), m_editor(editor), m_settings(settings)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    applyWindowSettings(this, settings);
}

void Form::Form_Load()
{
    m_editor.openDialogGuard();
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    m_editor.forgetForm(this);
    hide();
    deleteLater();
}

void Form::escapePressed()
{
    auto* cancel = findChild<QPushButton*>(QStringLiteral("CancelButton"));
    if (cancel && cancel->isEnabled())
        cancel->click();
}

void Form::closeRequested()
{
    escapePressed();
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        escapePressed();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    // The window itself never closes here: the Cancel path unloads it and releases the
    // guard. A form waiting on a dialog of its own (disabled) refuses to close.
    event->ignore();
    if (isEnabled())
        closeRequested();
}

} // namespace saltor
