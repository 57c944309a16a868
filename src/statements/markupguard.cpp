#include "statements/markupguard.h"

#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/form.h"
#include "shell/dialogframe.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVariant>

namespace saltor {

namespace {

const QString kDiaryHost = QStringLiteral("createDiaryRecord");
const QString kTaskHost = QStringLiteral("setSimpleTaskDescription");

// The host's control that had the focus when the markup guard disabled it.
constexpr const char* kFocusBeforeGuard = "saltorFocusBeforeMarkupGuard";

constexpr const char* kHostButtonOrder[] = {
    "addMarkerButton", "addLineBreakButton", "addPictureButton", "AddButton", "CancelButton",
};

// Watches the host for activation while a markup dialog holds it disabled.
class FrontKeeper : public QObject {
public:
    FrontKeeper(Form* markupDialog, QWidget* host) : QObject(markupDialog), m_dialog(markupDialog), m_host(host)
    {
        host->installEventFilter(this);
    }
    ~FrontKeeper() override
    {
        if (m_host)
            m_host->removeEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_host && event->type() == QEvent::WindowActivate && !m_host->isEnabled()) {
            // Deferred: the window manager is still busy activating the host.
            QTimer::singleShot(0, m_dialog, [dialog = m_dialog] {
                if (dialog && !dialog->isUnloading() && dialog->isVisible()) {
                    // A window manager may still offer to minimise it; raising alone would
                    // leave it hidden while its host stays locked.
                    if (dialog->isMinimized())
                        dialog->showNormal();
                    dialog->raise();
                    dialog->activateWindow();
                }
            });
        }
        return false;
    }

private:
    QPointer<Form> m_dialog;
    QPointer<QWidget> m_host;
};

} // namespace

const QList<MarkupBinding>& markupBindings()
{
    static const QList<MarkupBinding> rows = {
        {QStringLiteral("sub_addMarker"), MarkupKind::Marker, kDiaryHost, QStringLiteral("recordDescription"),
         kLightBlue, MarkupFieldFont::Verdana},
        {QStringLiteral("task_addMarker"), MarkupKind::Marker, kTaskHost, QStringLiteral("taskDescription"),
         kLightGreen, MarkupFieldFont::DialogDefault},
        {QStringLiteral("sub_addPicture"), MarkupKind::Picture, kDiaryHost, QStringLiteral("recordDescription"),
         kLightBlue, MarkupFieldFont::Verdana},
        {QStringLiteral("task_addPicture"), MarkupKind::Picture, kTaskHost, QStringLiteral("taskDescription"),
         kLightGreen, MarkupFieldFont::Verdana},
    };
    return rows;
}

QString markupDialogFor(const QString& hostForm, MarkupKind kind)
{
    for (const MarkupBinding& row : markupBindings())
        if (row.hostForm == hostForm && row.kind == kind)
            return row.form;
    return QString();
}

QColor hostButtonColour(const QString& hostForm)
{
    for (const MarkupBinding& row : markupBindings())
        if (row.hostForm == hostForm)
            return row.buttonColour;
    return QColor();
}

QFont markupFieldFont(const MarkupBinding& binding)
{
    return binding.fieldFont == MarkupFieldFont::Verdana ? verdanaFont(8.25) : defaultDialogFont();
}

QList<QPushButton*> hostDialogButtons(QWidget* host)
{
    QList<QPushButton*> buttons;
    if (!host)
        return buttons;
    for (const char* name : kHostButtonOrder)
        if (auto* button = host->findChild<QPushButton*>(QLatin1String(name)))
            buttons.append(button);
    return buttons;
}

void openMarkupGuard(Form* host)
{
    if (!host)
        return;
    // Disabling the host takes the focus from its control; closeMarkupGuard gives it back.
    host->setProperty(kFocusBeforeGuard, QVariant::fromValue<QObject*>(host->focusWidget()));
    host->setEnabled(false);
    for (QPushButton* button : hostDialogButtons(host))
        button->setEnabled(false);
}

void closeMarkupGuard(Form* markupDialog, Form* host)
{
    if (markupDialog)
        markupDialog->unload();
    if (!host)
        return;
    host->setEnabled(true);
    for (QPushButton* button : hostDialogButtons(host))
        button->setEnabled(true);
    host->activateWindow();
    auto* before = qobject_cast<QWidget*>(host->property(kFocusBeforeGuard).value<QObject*>());
    host->setProperty(kFocusBeforeGuard, QVariant());
    if (before && before->window() == host && before->isEnabled())
        before->setFocus();
}

void keepMarkupInFront(Form* markupDialog, QWidget* host)
{
    if (markupDialog && host)
        new FrontKeeper(markupDialog, host);
}

void appendToHostBox(QPlainTextEdit* hostBox, const QString& markup)
{
    if (hostBox)
        appendToBox(hostBox, markup);
}

Form* markupHost(const Form& markupDialog, const MarkupBinding& binding)
{
    return markupDialog.editor().form(binding.hostForm);
}

QPlainTextEdit* markupHostBox(const Form& markupDialog, const MarkupBinding& binding)
{
    Form* host = markupHost(markupDialog, binding);
    return host ? host->findChild<QPlainTextEdit*>(binding.hostBox) : nullptr;
}

bool runMarkupAction(Form& markupDialog, const MarkupBinding& binding, const QList<const QWidget*>& required,
                     const std::function<QString()>& build)
{
    if (!requireFields(markupDialog.editor().platform(), required, kFillAllFields))
        return false;
    appendToHostBox(markupHostBox(markupDialog, binding), build());
    closeMarkupGuard(&markupDialog, markupHost(markupDialog, binding));
    return true;
}

void cancelMarkup(Form& markupDialog, const MarkupBinding& binding)
{
    closeMarkupGuard(&markupDialog, markupHost(markupDialog, binding));
}

QGroupBox* functionsFrame(const QString& hostForm)
{
    const QColor colour = hostButtonColour(hostForm);
    QGroupBox* box = frame(QStringLiteral("Frame2"), QStringLiteral("Functions"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(6, 2, 6, 6);
    row->setSpacing(6);
    const QList<QPushButton*> buttons = {
        colouredButton(QStringLiteral("addMarkerButton"), QStringLiteral("Add marker"), colour),
        colouredButton(QStringLiteral("addLineBreakButton"), QStringLiteral("Add line break"), colour),
        colouredButton(QStringLiteral("addPictureButton"), QStringLiteral("Add picture"), colour),
    };
    // Equal stretch with the hint ignored gives the three buttons one size.
    for (QPushButton* button : buttons) {
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        row->addWidget(button, 1);
    }
    return box;
}

QGroupBox* markupControlsFrame(const MarkupBinding& binding, const QString& toolTip)
{
    QPushButton* add = colouredButton(QStringLiteral("AddButton"), QStringLiteral("Add"), binding.buttonColour);
    add->setToolTip(toolTip);
    QPushButton* cancel =
        colouredButton(QStringLiteral("CancelButton"), QStringLiteral("Cancel"), binding.buttonColour);
    cancel->setToolTip(kCancelToolTip);
    return controlsFrame(QStringLiteral("Frame2"), add, cancel);
}

} // namespace saltor
