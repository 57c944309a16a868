#include "sequence.h"

#include "dialogmodel.h"
#include "mainmodel.h"
#include "randomtext.h"
#include "textcompare.h"
#include "useractions.h"

#include "shell/comments.h"
#include "shell/editor.h"
#include "shell/form.h"
#include "shell/mainwindow.h"
#include "support/testing.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

// Sequence: what the user does to Main.

namespace saltor::stress {

namespace {

using Kind = RandomPlatform::Kind;

} // namespace

void Sequence::clickMainButton(const QString& name)
{
    auto* button = main().findChild<QPushButton*>(name);
    if (!button)
        return fail(QStringLiteral("Main has no button ") + name);
    button->click();
    if (name == QLatin1String("addNoteButton"))
        note();
    else
        expectOpened(formOpenedBy(name));
}

void Sequence::triggerMenu(const QString& name)
{
    auto* action = main().findChild<QAction*>(name);
    if (!action)
        return fail(QStringLiteral("Main has no menu item ") + name);
    const QString opened = formOpenedBy(name);
    if (!opened.isEmpty()) {
        action->trigger();
        return expectOpened(opened);
    }
    if (name == QLatin1String("mnuCut") || name == QLatin1String("mnuCopy") || name == QLatin1String("mnuPaste"))
        return cutCopyPaste(name);
    if (name == QLatin1String("mnuSelectAll"))
        return selectAll();
    if (name == QLatin1String("mnuFind"))
        return find();
    action->trigger();
    if (name == QLatin1String("mnuNew")) {
        newDocument();
    } else if (name == QLatin1String("mnuOpen")) {
        openDocument();
    } else if (name == QLatin1String("mnuSaveAs")) {
        count(QStringLiteral("Save As"));
        expectSave(kSqfFilter, m_doc, true);
    } else if (name == QLatin1String("mnuMinimize")) {
        m_minimized = true;
        if (!main().isMinimized())
            fail(QStringLiteral("Minimize left Main as it was"));
    } else if (name == QLatin1String("mnuExit")) {
        exitQuestion();
    } else if (name == QLatin1String("mnuClear")) {
        clearDocument();
    } else if (name == QLatin1String("mnuAddNote")) {
        note();
    } else if (name == QLatin1String("mnuAddDateMark")) {
        count(QStringLiteral("date mark"));
        expectAppended(dateMarkComment(m_platform.date));
    } else if (name == QLatin1String("mnuHelpContents")) {
        ++m_helps;
        if (m_platform.helpOpened.value(m_platform.helpOpened.size() - 1) != QLatin1String("Saltor Editor Help.chm"))
            fail(QStringLiteral("Help Contents did not ask for the help file"));
    } else {
        fail(QStringLiteral("no model for the menu item ") + name);
    }
}

void Sequence::newDocument()
{
    const auto* question = expectMessage(QStringLiteral("All unsaved data will be lost. Do you really want to do ?"),
                                         MessageButtons::YesNo, MessageIcon::Question, QStringLiteral("Creating ..."));
    if (!question || question->answer != MessageAnswer::Yes)
        return count(QStringLiteral("New declined"));
    count(QStringLiteral("New"));
    m_doc = kHeader;
    m_lineEnd = kCrLf;
    m_docFormat = Format::Utf8;
    m_address = kNotSavedYet;
    rebaselineCursor();
}

void Sequence::openDocument()
{
    const auto* dialog = nextAsked(Kind::OpenFile, QStringLiteral("the Open dialog"));
    if (!dialog)
        return;
    checkFileDialog(*dialog, kSqfFilter);
    if (!dialog->path)
        return count(QStringLiteral("Open cancelled"));
    const QString path = *dialog->path;
    m_lastPath = path;
    note(path);
    if (!m_fileTexts.contains(path)) {
        count(QStringLiteral("Open failed"));
        return expectFailureNamed(path);
    }
    count(QStringLiteral("Open"));
    m_doc = m_fileTexts.value(path);
    m_lineEnd = lineEndOf(m_doc);
    m_docFormat = m_fileFormats.value(path);
    m_address = path;
    const QTextCursor caret = main().textPreview()->textCursor();
    if (caret.anchor() != 0 || caret.position() != 0)
        fail(QStringLiteral("after Open the caret is not at the start"));
    rebaselineCursor();
}

void Sequence::exitQuestion()
{
    const auto* question = expectMessage(QStringLiteral("All unsaved data will be lost. Do you really want to exit ?"),
                                         MessageButtons::YesNo, MessageIcon::Question, QStringLiteral("Exiting ..."));
    if (!question || question->answer != MessageAnswer::Yes)
        return count(QStringLiteral("Exit declined"));
    // The program ends here; so does the sequence.
    count(QStringLiteral("Exit"));
    ++m_ends;
    m_ended = true;
}

void Sequence::selectAll()
{
    main().findChild<QAction*>(QStringLiteral("mnuSelectAll"))->trigger();
    QPlainTextEdit* edit = main().textPreview();
    const QTextCursor cursor = edit->textCursor();
    if (cursor.selectionStart() != 0 || cursor.selectionEnd() != edit->document()->characterCount() - 1)
        fail(QStringLiteral("Select All did not select the whole document"));
    count(QStringLiteral("Select All"));
    rebaselineCursor();
}

void Sequence::clearDocument()
{
    const auto* question = expectMessage(QStringLiteral("This will clear everything ! Do you really want to do ?"),
                                         MessageButtons::YesNo, MessageIcon::Exclamation, QStringLiteral("Clearing ..."));
    if (!question || question->answer != MessageAnswer::Yes)
        return count(QStringLiteral("Clear declined"));
    count(QStringLiteral("Clear"));
    m_doc.clear();
    rebaselineCursor();
}

void Sequence::cutCopyPaste(const QString& command)
{
    QPlainTextEdit* edit = main().textPreview();
    const QString before = m_doc;
    const QString selected = spanOf(before, edit->textCursor().selectionStart(), edit->textCursor().selectionEnd());
    const QString clipboard = m_platform.clipboard.value_or(QString());
    main().findChild<QAction*>(command)->trigger();
    const QString now = main().textPreview()->text();

    if (command != QLatin1String("mnuPaste")) {
        if (m_platform.clipboard != std::optional<QString>(selected))
            fail(QStringLiteral("the clipboard holds \"%1\" instead of the selection \"%2\"")
                     .arg(shown(m_platform.clipboard.value_or(QStringLiteral("<no text>"))), shown(selected)));
    }
    if (command == QLatin1String("mnuCopy"))
        return count(QStringLiteral("Copy"));
    // The change is exactly the selection replaced; every other line keeps its line end.
    const QString inserted = command == QLatin1String("mnuPaste") ? withLineEnds(clipboard, m_lineEnd) : QString();
    if (!isSplice(before, now, selected, inserted))
        fail(QStringLiteral("%1 did not replace the selection \"%2\" with \"%3\": before \"%4\", after \"%5\"")
                 .arg(command, shown(selected), shown(inserted), shown(before), shown(now)));
    count(command == QLatin1String("mnuCut") ? QStringLiteral("Cut") : QStringLiteral("Paste"));
    m_doc = now;
    rebaselineCursor();
}

void Sequence::find()
{
    QPlainTextEdit* edit = main().textPreview();
    const QString raw = edit->document()->toRawText();
    main().findChild<QAction*>(QStringLiteral("mnuFind"))->trigger();
    const auto* input = nextAsked(Kind::Input, QStringLiteral("the Find input box"));
    if (!input)
        return;
    if (input->prompt != QLatin1String("Find specific string ..."))
        fail(QStringLiteral("Find asked \"%1\"").arg(input->prompt));
    const QString needle = input->text;
    note(QStringLiteral("\"") + shown(needle) + QLatin1Char('"'));
    const QTextCursor cursor = edit->textCursor();
    int start = m_anchor, end = m_position; // nothing found: the selection stays
    bool moved = false;
    if (!raw.isEmpty() && needle.isEmpty()) {
        start = end = int(raw.size());
        moved = true;
    } else if (!raw.isEmpty()) {
        const qsizetype at = raw.lastIndexOf(needle, -1, Qt::CaseInsensitive);
        if (at >= 0) {
            start = int(at);
            end = int(at + needle.size());
            moved = true;
        }
    }
    if (moved && (cursor.selectionStart() != start || cursor.selectionEnd() != end))
        fail(QStringLiteral("Find selected %1 to %2 instead of %3 to %4")
                 .arg(cursor.selectionStart())
                 .arg(cursor.selectionEnd())
                 .arg(start)
                 .arg(end));
    count(moved ? QStringLiteral("Find found") : QStringLiteral("Find found nothing"));
    if (moved)
        rebaselineCursor();
}

void Sequence::note()
{
    const auto* input = nextAsked(Kind::Input, QStringLiteral("the note's input box"));
    if (!input)
        return;
    if (input->prompt != QLatin1String("Write your singleline note here:"))
        fail(QStringLiteral("Add note asked \"%1\"").arg(input->prompt));
    count(QStringLiteral("note"));
    expectAppended(noteComment(input->text));
}

void Sequence::typeIntoDocument(const std::optional<QString>& keys)
{
    QPlainTextEdit* edit = main().textPreview();
    const QString typed = keys ? *keys : randomText(m_random, true).remove(QLatin1Char('\t'));
    note(QStringLiteral("\"") + shown(typed) + QLatin1Char('"'));
    const QString before = m_doc;
    // No key at all leaves the selection in place.
    const QString selected = typed.isEmpty()
                                 ? QString()
                                 : spanOf(before, edit->textCursor().selectionStart(), edit->textCursor().selectionEnd());
    typeKeys(edit, typed);
    const QString now = main().textPreview()->text();
    if (!isSplice(before, now, selected, withLineEnds(typed, m_lineEnd)))
        fail(QStringLiteral("typing did not put the keys in place of the selection: ") + difference(before, now));
    count(QStringLiteral("typing into the document"));
    m_doc = now;
    rebaselineCursor();
}

// Selects in the document from one of ends, chosen at random, back to a random anchor at times.
void Sequence::selectEndingAtOneOf(const QList<int>& ends)
{
    const int at = ends.at(int(m_random.bounded(int(ends.size()))));
    const int anchor = chance(30) ? int(m_random.bounded(at + 1)) : at;
    testing::setSelection(main().textPreview(), anchor, at);
    note(QStringLiteral("%1 to %2").arg(anchor).arg(at));
}

// One key whose text holds line breaks, as a keyboard layout or a compose sequence may give:
// each becomes a new line break.
void Sequence::keyTextIntoDocument()
{
    static const QStringList texts = {
        QStringLiteral("\u2029"),     QStringLiteral("x\ny"),        QStringLiteral("a\r\nb"),
        QStringLiteral("\u2029\u2029"), QStringLiteral("q\uFDD0r"),    QStringLiteral("z\uFDD1"),
        QStringLiteral("x\rz\n"),
    };
    QPlainTextEdit* edit = main().textPreview();
    const QString text = texts.at(int(m_random.bounded(int(texts.size()))));
    note(QStringLiteral("\"") + shown(text) + QLatin1Char('"'));
    const QString before = m_doc;
    const QString selected = spanOf(before, edit->textCursor().selectionStart(), edit->textCursor().selectionEnd());
    edit->document()->setModified(false);
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
    const QString now = main().textPreview()->text();
    if (!isSplice(before, now, selected, withLineEnds(text, m_lineEnd)))
        return fail(QStringLiteral("the key did not put its text in place of the selection: ") + difference(before, now));
    count(QStringLiteral("key text holding line breaks"));
    m_doc = now;
    expectUndoAndRedo(before);
}

// A dead key or a composed letter: a preedit, then its commit or a cancel. The preedit takes
// the selection away, as the text box does with any input.
void Sequence::inputMethodIntoDocument()
{
    QPlainTextEdit* edit = main().textPreview();
    const bool cancel = chance(25);
    const QString commit = cancel ? QString() : randomText(m_random, true);
    note(cancel ? QStringLiteral("cancelled") : QStringLiteral("\"") + shown(commit) + QLatin1Char('"'));
    const QString before = m_doc;
    const QString selected = spanOf(before, edit->textCursor().selectionStart(), edit->textCursor().selectionEnd());
    // The action's edits start an undo step of their own.
    edit->document()->setModified(false);
    QInputMethodEvent preedit(QStringLiteral("\u00B4"), {});
    QApplication::sendEvent(edit, &preedit);
    QInputMethodEvent end;
    end.setCommitString(commit);
    QApplication::sendEvent(edit, &end);
    const QString now = main().textPreview()->text();
    if (!isSplice(before, now, selected, withLineEnds(commit, m_lineEnd)))
        return fail(QStringLiteral("the input method did not put its text in place of the selection: ")
                    + difference(before, now));
    count(cancel ? QStringLiteral("input method cancelled") : QStringLiteral("input method"));
    m_doc = now;
    expectUndoAndRedo(before);
}

// The start of every empty line of the document, the end of it among them.
QList<int> Sequence::emptyLineStarts() const
{
    QList<int> starts;
    for (QTextBlock block = main().textPreview()->document()->begin(); block.isValid(); block = block.next())
        if (block.length() == 1)
            starts.append(block.position());
    return starts;
}

// Enter with the caret on an empty line, or with a selection that ends there; where the
// document has no empty line, Enter at the end of a line makes one.
void Sequence::enterOnEmptyLine()
{
    QPlainTextEdit* edit = main().textPreview();
    QList<int> empty = emptyLineStarts();
    if (empty.isEmpty()) {
        const QTextBlock block = edit->document()->findBlockByNumber(
            int(m_random.bounded(edit->document()->blockCount())));
        empty.append(block.position() + block.length() - 1);
        note(QStringLiteral("no empty line"));
    }
    selectEndingAtOneOf(empty);
    const QString before = m_doc;
    const QString selected = spanOf(before, edit->textCursor().selectionStart(), edit->textCursor().selectionEnd());
    edit->document()->setModified(false);
    // With Shift or Ctrl at times, and AltGr, which X11 gives as the group switch.
    const bool shift = chance(30), ctrl = chance(20), altGr = chance(30);
    note(QStringLiteral("%1%2%3Enter").arg(shift ? "Shift+" : "", ctrl ? "Ctrl+" : "", altGr ? "AltGr+" : ""));
    QTest::keyClick(edit, chance(50) ? Qt::Key_Return : Qt::Key_Enter,
                    (shift ? Qt::ShiftModifier : Qt::NoModifier) | (ctrl ? Qt::ControlModifier : Qt::NoModifier)
                        | (altGr ? Qt::GroupSwitchModifier : Qt::NoModifier));
    const QString now = main().textPreview()->text();
    if (!isSplice(before, now, selected, m_lineEnd))
        return fail(QStringLiteral("Enter did not put a line break in place of the selection: ") + difference(before, now));
    count(QStringLiteral("Enter on an empty line"));
    m_doc = now;
    expectUndoAndRedo(before);
}

// Two files opened one after the other, the caret on an empty line of the first (behind a line
// end of its own where there is one, whose break then holds a terminator), or after a letter
// typed there, or with a selection ending there; then Save As. The second file comes back byte
// for byte, whatever the caret stood on.
void Sequence::openFromLineStart()
{
    triggerMenu(QStringLiteral("mnuOpen"));
    if (!m_failure.isEmpty())
        return;
    QPlainTextEdit* edit = main().textPreview();
    QList<int> starts = emptyLineStarts();
    QList<int> behindOwnLineEnd;
    for (const int start : std::as_const(starts))
        if (start > 0 && spanOf(m_doc, start - 1, start) != m_lineEnd)
            behindOwnLineEnd.append(start);
    if (!behindOwnLineEnd.isEmpty()) {
        starts = behindOwnLineEnd;
        count(QStringLiteral("Open from a line behind a line end of its own"));
    }
    selectEndingAtOneOf(starts.isEmpty() ? QList<int>{edit->document()->characterCount() - 1} : starts);
    if (chance(30))
        typeIntoDocument(QStringLiteral("q"));
    if (!m_failure.isEmpty())
        return;
    rebaselineCursor();
    triggerMenu(QStringLiteral("mnuOpen"));
    if (m_failure.isEmpty())
        triggerMenu(QStringLiteral("mnuSaveAs"));
}

// Undo brings back exactly the text before the action, Redo exactly the text after it.
void Sequence::expectUndoAndRedo(const QString& before)
{
    QPlainTextEdit* edit = main().textPreview();
    const QString after = m_doc;
    int undos = 0;
    while (main().textPreview()->text() != before && undos < 4) {
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        ++undos;
    }
    if (main().textPreview()->text() != before)
        return fail(QStringLiteral("Undo did not bring back the text before: ") + difference(before, main().textPreview()->text()));
    for (int i = 0; i < undos; ++i)
        QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    if (main().textPreview()->text() != after)
        return fail(QStringLiteral("Redo did not bring back the text after: ") + difference(after, main().textPreview()->text()));
    rebaselineCursor();
}

void Sequence::selectInDocument()
{
    QPlainTextEdit* edit = main().textPreview();
    const int end = edit->document()->characterCount() - 1;
    const int anchor = int(m_random.bounded(end + 1));
    const int position = int(m_random.bounded(end + 1));
    note(QStringLiteral("%1 to %2").arg(anchor).arg(position));
    testing::setSelection(edit, anchor, position);
    rebaselineCursor();
}

void Sequence::closeMain()
{
    if (!m_mainDialog.isEmpty())
        return expectNothing([this] { main().close(); });
    main().close();
    exitQuestion();
}

void Sequence::restoreMain()
{
    main().showNormal();
    m_minimized = false;
    if (main().isMinimized())
        fail(QStringLiteral("Main stays minimized"));
}

void Sequence::clickDisabledMainButton()
{
    const QList<QPushButton*>& buttons = main().mainCommandButtons();
    QPushButton* button = buttons.at(int(m_random.bounded(int(buttons.size()))));
    note(button->objectName());
    expectNothing([button] { QTest::mouseClick(button, Qt::LeftButton); });
}

void Sequence::keysIntoDisabledMain()
{
    QPlainTextEdit* edit = main().textPreview();
    expectNothing([edit] {
        QTest::keyClicks(edit, QStringLiteral("typed"));
        for (Qt::Key key : {Qt::Key_N, Qt::Key_O, Qt::Key_S, Qt::Key_A, Qt::Key_X, Qt::Key_V, Qt::Key_F})
            QTest::keyClick(edit, key, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_F1);
    });
}

} // namespace saltor::stress
