#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

#include <functional>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace saltor {

class Form;

// The inline markup dialogs come in two kinds; each dialog is bound for good to one host
// dialog (the single loaded instance of that form) and to that host's description box.
enum class MarkupKind { Marker, Picture };

// The font of a markup dialog's text boxes and field labels.
enum class MarkupFieldFont { Verdana, DialogDefault };

struct MarkupBinding {
    QString form;          // the markup dialog's form name
    MarkupKind kind;
    QString hostForm;      // the dialog whose buttons open it
    QString hostBox;       // the multi-line box of the host that receives the markup
    QColor buttonColour;   // also the colour of the host's "Functions" buttons
    MarkupFieldFont fieldFont;
};

// Every markup dialog, one row each.
const QList<MarkupBinding>& markupBindings();
// The markup dialog of kind that serves hostForm, or "" when there is none.
QString markupDialogFor(const QString& hostForm, MarkupKind kind);
// The colour of hostForm's "Functions" buttons (the colour of its markup dialogs' buttons).
QColor hostButtonColour(const QString& hostForm);
QFont markupFieldFont(const MarkupBinding& binding);

// The five command buttons of a host dialog in the order both markup guards switch them:
// addMarkerButton, addLineBreakButton, addPictureButton, AddButton, CancelButton.
QList<QPushButton*> hostDialogButtons(QWidget* host);

// Disables the host, then its hostDialogButtons in order. Main is not touched: the host's
// own dialog guard keeps it disabled.
void openMarkupGuard(Form* host);
// Unloads the markup dialog, enables the host and its hostDialogButtons in order, and gives
// the host the focus, on the control that had it when the guard opened. Main stays disabled
// until the host itself closes.
void closeMarkupGuard(Form* markupDialog, Form* host);

// While the host is disabled under markupDialog, activating the host (a click on it) brings
// markupDialog back in front (restored if it was minimised), so it cannot get lost behind
// its host.
void keepMarkupInFront(Form* markupDialog, QWidget* host);

// markup after the last character of the host box, whatever its caret or selection; the
// caret and selection stay as they were.
void appendToHostBox(QPlainTextEdit* hostBox, const QString& markup);

// The loaded host of a markup dialog and its host box (nullptr when the host is not loaded).
Form* markupHost(const Form& markupDialog, const MarkupBinding& binding);
QPlainTextEdit* markupHostBox(const Form& markupDialog, const MarkupBinding& binding);

// The Add of a markup dialog: requireFields on the fields; when all hold text, build()
// goes to the end of the host box and closeMarkupGuard closes the dialog. False when refused.
bool runMarkupAction(Form& markupDialog, const MarkupBinding& binding, const QList<const QWidget*>& required,
                     const std::function<QString()>& build);
// The Cancel of a markup dialog: closeMarkupGuard alone.
void cancelMarkup(Form& markupDialog, const MarkupBinding& binding);

// The host's "Functions" frame Frame2: addMarkerButton, addLineBreakButton and
// addPictureButton, of one size, in the colour of hostForm's markup dialogs.
QGroupBox* functionsFrame(const QString& hostForm);

// The markup dialog's "Controls" frame Frame2: action button and CancelButton, both in the
// binding's colour.
QGroupBox* markupControlsFrame(const MarkupBinding& binding, const QString& toolTip);

} // namespace saltor
