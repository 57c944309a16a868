#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace saltor::stress {

// What the stress sequences know of the dialogs, independently of how the forms are built:
// their names, what each action button must produce from the boxes as they stand, the values
// each dialog opens with and the rules that hold inside it between two user actions.

// The fifteen dialogs that Main opens, and the four inline markup dialogs.
const QStringList& mainDialogNames();
const QStringList& markupDialogNames();
bool isMarkupDialog(const QString& form);
// The host dialog of a markup dialog, and the host's box that receives the markup.
QString markupHostOf(const QString& markupDialog);
QString markupHostBoxOf(const QString& markupDialog);
bool isHostDialog(const QString& form);

// The Text of the named box of form (CRLF line breaks in a multi-line box).
QString boxTextOf(const QWidget* form, const QString& box);

// What an action button does with the boxes as they stand now: the boxes it requires, the
// message it refuses with, and the piece it appends (a statement to the document, a markup
// to the host box). Nothing for the About box and the page generators.
struct DialogAction {
    QString button;
    QStringList required;
    QString message;
    QString piece;
};
std::optional<DialogAction> dialogAction(const QWidget* form);

// The page a page generator (overview, debriefing) writes from its boxes as they stand, and
// the file dialog filter it shows.
struct PageAction {
    QString button;
    QString filter;
    QString page;
};
std::optional<PageAction> pageAction(const QWidget* form);

// The ticks of a form's check boxes and option buttons and the texts of its boxes, by name.
struct FormState {
    QHash<QString, bool> ticks;
    QHash<QString, QString> texts;
};
FormState formState(const QWidget* form);
// What a user's click on the named check box or option button of form must leave, from the
// state before the click: the option pairs, the colour presets, the state text, the boxes
// that unticking empties.
FormState stateAfterClick(const QWidget* form, const FormState& before, const QString& control);
// "" when the two states agree, else the first few differences.
QString stateDifferences(const FormState& expected, const FormState& got);

// "" when form shows the values it must open with, else what differs.
QString checkOpeningValues(const QWidget* form);
// "" when the rules inside form hold (option pairs, switched boxes, the colour mode, the
// state text), else what is broken.
QString checkFormRules(const QWidget* form);

} // namespace saltor::stress
