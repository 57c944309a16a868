#include "sequence.h"

#include "dialogmodel.h"
#include "mainmodel.h"
#include "randomtext.h"
#include "textcompare.h"
#include "useractions.h"

#include "shell/editor.h"
#include "shell/form.h"
#include "shell/dialogframe.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

// Sequence: what the user does in the open dialogs.

namespace saltor::stress {

void Sequence::clickDialogButton(QPushButton* button)
{
    auto* dialog = qobject_cast<Form*>(button->window());
    if (!dialog)
        return fail(QStringLiteral("a button outside any form"));
    const QString name = button->objectName();
    if (name == QLatin1String("CancelButton")) {
        count(QStringLiteral("Cancel"));
        return expectClosing(dialog, [this, button] { press(button); });
    }
    if (const auto page = pageAction(dialog); page && page->button == name)
        return clickPageAction(dialog, button);
    if (const auto action = dialogAction(dialog); action && action->button == name)
        return clickAction(dialog, button);
    if (name == QLatin1String("addMarkerButton") || name == QLatin1String("addPictureButton")) {
        const QString markup = (dialog->objectName() == QLatin1String("createDiaryRecord") ? QStringLiteral("sub_")
                                                                                           : QStringLiteral("task_"))
                               + (name == QLatin1String("addMarkerButton") ? QStringLiteral("addMarker")
                                                                           : QStringLiteral("addPicture"));
        press(button);
        return expectOpened(markup);
    }
    clickLineBreak(dialog, button);
}

void Sequence::clickAction(Form* dialog, QPushButton* button)
{
    const QString name = dialog->objectName();
    const DialogAction action = *dialogAction(dialog);
    bool refused = false;
    for (const QString& box : action.required)
        refused = refused || boxTextOf(dialog, box).isEmpty();
    const bool markup = isMarkupDialog(name);
    Form* host = markup ? form(markupHostOf(name)) : nullptr;
    const QString hostBox = host ? boxTextOf(host, markupHostBoxOf(name)) : QString();
    const QString before = snapshot();
    const QPointer<Form> guard(dialog);

    press(button);

    if (refused) {
        count(QStringLiteral("refused"));
        ++m_beeps;
        expectMessage(action.message, MessageButtons::Ok, MessageIcon::Exclamation, kAppTitle);
        if (form(name) != dialog)
            return fail(name + QStringLiteral(" closed although a required box was empty"));
        const QString after = snapshot();
        if (after != before)
            fail(QStringLiteral("the refusal changed the forms: ") + difference(before, after));
        return;
    }
    if (markup) {
        count(QStringLiteral("markup inserted"));
        const QString expected = hostBox + withLineEnds(action.piece, kCrLf);
        const QString got = host ? boxTextOf(host, markupHostBoxOf(name)) : QStringLiteral("<no host>");
        if (got != expected)
            fail(QStringLiteral("the host box is not its text and the markup: ") + difference(expected, got));
        m_markupDialog.clear();
    } else {
        count(QStringLiteral("statement appended"));
        expectAppended(action.piece);
        m_mainDialog.clear();
    }
    expectUnloaded(guard, name);
}

void Sequence::clickPageAction(Form* dialog, QPushButton* button)
{
    const QString name = dialog->objectName();
    const PageAction page = *pageAction(dialog);
    const QPointer<Form> guard(dialog);
    press(button);
    switch (expectSave(page.filter, page.page, false)) {
    case SaveOutcome::Broken:
        return;
    case SaveOutcome::Failed:
        count(QStringLiteral("page not written"));
        if (form(name) != dialog)
            fail(name + QStringLiteral(" closed although its page could not be written"));
        return;
    case SaveOutcome::Cancelled:
        count(QStringLiteral("page cancelled"));
        break;
    case SaveOutcome::Written:
        count(QStringLiteral("page written"));
        break;
    }
    m_mainDialog.clear();
    expectUnloaded(guard, name);
}

void Sequence::clickLineBreak(Form* dialog, QPushButton* button)
{
    const QString formName = dialog->objectName();
    const QString name = button->objectName();
    QString box;
    QString piece = QStringLiteral("<br />\r\n");
    if (name == QLatin1String("addLineBreakButton")) {
        box = formName == QLatin1String("createDiaryRecord") ? QStringLiteral("recordDescription")
                                                             : QStringLiteral("taskDescription");
        piece = QStringLiteral("<br />");
    } else if (name == QLatin1String("lineBreakButton")) {
        const bool hint = formName == QLatin1String("taskHint");
        box = hint ? QStringLiteral("hintText") : QStringLiteral("Text4");
        if (hint)
            piece = QStringLiteral("<br />");
    } else if (name.endsWith(QLatin1String("lineBreakButton"))) {
        box = name.chopped(int(qstrlen("lineBreakButton"))) + QStringLiteral("Text2");
    } else {
        return fail(QStringLiteral("no model for the button ") + name);
    }
    FormState expected = formState(dialog);
    expected.texts[box] += piece;
    press(button);
    count(QStringLiteral("line break"));
    const QString differences = stateDifferences(expected, formState(dialog));
    if (!differences.isEmpty())
        fail(name + QStringLiteral(": ") + differences);
}

void Sequence::clickTickable(QWidget* control)
{
    auto* dialog = qobject_cast<Form*>(control->window());
    const FormState expected = stateAfterClick(dialog, formState(dialog), control->objectName());
    press(qobject_cast<QAbstractButton*>(control));
    count(QStringLiteral("tick"));
    const QString differences = stateDifferences(expected, formState(dialog));
    if (!differences.isEmpty())
        fail(differences);
}

void Sequence::pickTab(QTabWidget* tabs)
{
    auto* dialog = qobject_cast<Form*>(tabs->window());
    const FormState expected = formState(dialog);
    const int index = int(m_random.bounded(tabs->count()));
    note(tabs->tabText(index));
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
    count(QStringLiteral("tab"));
    if (tabs->currentIndex() != index)
        fail(QStringLiteral("the tab %1 is current instead of %2").arg(tabs->currentIndex()).arg(index));
    const QString differences = stateDifferences(expected, formState(dialog));
    if (!differences.isEmpty())
        fail(differences);
}

void Sequence::typeIntoBox(QWidget* box)
{
    auto* dialog = qobject_cast<Form*>(box->window());
    auto* line = qobject_cast<QLineEdit*>(box);
    auto* multi = qobject_cast<QPlainTextEdit*>(box);
    const QString name = box->objectName();
    const QString before = boxText(box);
    FormState expected = formState(dialog);
    const int mode = int(m_random.bounded(20));
    if (mode < 12) {
        // Select all and paste: a paste into a single-line box may carry a line break too,
        // which becomes one blank there.
        const QString pasted = randomText(m_random, multi || chance(12));
        note(QStringLiteral("paste \"") + shown(pasted) + QLatin1Char('"'));
        if (line) {
            line->selectAll();
            line->insert(pasted);
        } else {
            multi->selectAll();
            multi->insertPlainText(pasted);
        }
        expected.texts[name] = withLineEnds(pasted, line ? QStringLiteral(" ") : kCrLf);
    } else if (mode < 18) {
        // Keys at the caret, in place of the selection; Tab would move the focus.
        const QString typed = randomText(m_random, multi != nullptr).remove(QLatin1Char('\t'));
        note(QStringLiteral("keys \"") + shown(typed) + QLatin1Char('"'));
        const QString inserted = line ? withoutLineBreaks(typed) : withLineEnds(typed, kCrLf);
        // Return in a single-line box, or no key at all, leaves the selection in place.
        const QString selected =
            inserted.isEmpty() ? QString() : line ? line->selectedText() : selectedText(multi, kCrLf);
        typeKeys(box, typed);
        const QString now = boxText(box);
        if (!isSplice(before, now, selected, inserted))
            return fail(QStringLiteral("the keys did not land in %1: before \"%2\", after \"%3\"")
                            .arg(name, shown(before), shown(now)));
        expected.texts[name] = now;
    } else {
        note(QStringLiteral("clear"));
        if (line)
            line->clear();
        else
            multi->clear();
        expected.texts[name] = QString();
    }
    count(QStringLiteral("typing into a dialog"));
    // Typing changes that box alone; Enter in a single-line box clicks nothing.
    const QString differences = stateDifferences(expected, formState(dialog));
    if (!differences.isEmpty())
        fail(differences);
}

void Sequence::pressEscape(Form* top)
{
    QWidget* target = top->focusWidget();
    if (!target || !target->isVisible() || !target->isEnabled() || target->window() != top) {
        QList<QWidget*> reachable;
        for (QWidget* widget : top->findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() && !widget->objectName().isEmpty())
                reachable.append(widget);
        target = reachable.isEmpty() ? static_cast<QWidget*>(top)
                                     : reachable.at(int(m_random.bounded(int(reachable.size()))));
    }
    note(QStringLiteral("on ") + (target->objectName().isEmpty() ? QStringLiteral("an unnamed ") + QString::fromLatin1(target->metaObject()->className())
                                                                : target->objectName()));
    count(QStringLiteral("Esc"));
    const auto press = [target] { QTest::keyClick(target, Qt::Key_Escape); };
    // The About box has no Cancel button: no key does anything in it.
    if (top->objectName() == QLatin1String("About"))
        return expectNothing(press);
    expectClosing(top, press);
}

void Sequence::pressEnter(Form* top)
{
    // No button is a default button: Enter clicks nothing, wherever it is pressed (in a
    // multi-line box it starts a new line, which typing covers).
    QList<QWidget*> targets;
    for (QWidget* widget : top->findChildren<QWidget*>())
        if (widget->isVisible() && widget->isEnabled() && !widget->objectName().isEmpty()
            && !qobject_cast<QPlainTextEdit*>(widget)
            && (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)))
            targets.append(widget);
    QWidget* target = targets.isEmpty() ? static_cast<QWidget*>(top)
                                        : targets.at(int(m_random.bounded(int(targets.size()))));
    note(QStringLiteral("on ") + target->objectName());
    count(QStringLiteral("Enter"));
    expectNothing([target] {
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    });
}

void Sequence::press(QAbstractButton* button)
{
    // Mostly a click; now and then the Space key on the button, as a keyboard user presses it.
    if (chance(20)) {
        note(QStringLiteral("Space"));
        QTest::keyClick(button, Qt::Key_Space);
    } else {
        clickAt(button);
    }
}

void Sequence::closeWindow(Form* top)
{
    count(QStringLiteral("window-system close"));
    expectClosing(top, [top] { top->close(); });
}

void Sequence::clickAboutPicture(QLabel* picture)
{
    auto* about = qobject_cast<Form*>(picture->window());
    count(QStringLiteral("About picture"));
    expectClosing(about, [picture] { QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 20)); });
}

void Sequence::closeDisabledHost()
{
    Form* host = form(m_mainDialog);
    expectNothing([host] { host->close(); });
}

void Sequence::clickIntoDisabledHost()
{
    Form* host = form(m_mainDialog);
    QList<QWidget*> targets;
    for (QWidget* widget : host->findChildren<QWidget*>())
        if (widget->isVisible() && !widget->objectName().isEmpty()
            && (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)
                || qobject_cast<QPlainTextEdit*>(widget)))
            targets.append(widget);
    if (targets.isEmpty())
        return fail(QStringLiteral("the host has no controls"));
    QWidget* target = targets.at(int(m_random.bounded(int(targets.size()))));
    note(target->objectName());
    expectNothing([target] {
        clickAt(target);
        QTest::keyClicks(target, QStringLiteral("typed"));
    });
}

} // namespace saltor::stress
