#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

namespace saltor {

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
// The name of hostForm's box that receives the markup, or "" when hostForm is no host.
QString hostBoxOf(const QString& hostForm);
// The colour of hostForm's "Functions" buttons (the colour of its markup dialogs' buttons).
QColor hostButtonColour(const QString& hostForm);
QFont markupFieldFont(const MarkupBinding& binding);

} // namespace saltor
