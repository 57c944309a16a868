#include "shell/editcommands.h"

#include "platform/platform.h"
#include "shell/editor.h"
#include "shell/mainwindow.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace saltor {

namespace {

// Selects the last case-insensitive occurrence of needle in the Document; an empty needle
// puts the caret at the end. The widget's raw text has one position for each line break,
// so a text index is a cursor position.
void selectLast(QPlainTextEdit* edit, const QString& needle)
{
    const QString text = edit->document()->toRawText();
    if (text.isEmpty())
        return;
    const qsizetype at = needle.isEmpty() ? text.size() : text.lastIndexOf(needle, -1, Qt::CaseInsensitive);
    if (at < 0)
        return;
    QTextCursor cursor(edit->document());
    cursor.setPosition(int(at));
    cursor.setPosition(int(at + needle.size()), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->setFocus();
}

void toClipboard(MainWindow& main, bool deleteSelection)
{
    QPlainTextEdit* edit = main.textPreview();
    Platform& platform = main.editor().platform();
    QTextCursor cursor = edit->textCursor();
    platform.clearClipboard();
    platform.setClipboardText(main.document().text(cursor.selectionStart(), cursor.selectionEnd()));
    if (deleteSelection) {
        // In an edit block, so that the terminators of the breaks it deletes join its undo step.
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        cursor.endEditBlock();
        edit->setTextCursor(cursor);
    }
    edit->setFocus();
}

} // namespace

void EditCommands::selectAll(MainWindow& main)
{
    QPlainTextEdit* edit = main.textPreview();
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->setFocus();
}

void EditCommands::clear(MainWindow& main)
{
    const MessageAnswer answer = main.editor().platform().messageBox(
        QStringLiteral("This will clear everything ! Do you really want to do ?"), MessageButtons::YesNo,
        MessageIcon::Exclamation, QStringLiteral("Clearing ..."));
    if (answer != MessageAnswer::Yes)
        return;
    main.document().setText(QString());
    main.textPreview()->setFocus();
}

void EditCommands::cut(MainWindow& main)
{
    toClipboard(main, true);
}

void EditCommands::copy(MainWindow& main)
{
    toClipboard(main, false);
}

void EditCommands::paste(MainWindow& main)
{
    QPlainTextEdit* edit = main.textPreview();
    QTextCursor cursor = edit->textCursor();
    // insertText turns CRLF, LF and CR alike into one line break.
    cursor.insertText(main.editor().platform().clipboardText());
    edit->setTextCursor(cursor);
    edit->setFocus();
}

void EditCommands::findCommand(MainWindow& main)
{
    // A cancelled box gives the empty text, and the search runs with it all the same.
    const QString entered = main.editor().platform().inputBox(QStringLiteral("Find specific string ..."));
    selectLast(main.textPreview(), entered);
}

} // namespace saltor
