#include "shell/editcommands.h"

#include "platform/platform.h"
#include "shell/documentbox.h"

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

} // namespace

EditCommands::EditCommands(DocumentBox& document, Platform& platform) : m_document(document), m_platform(platform) {}

void EditCommands::selectAll()
{
    QTextCursor cursor(m_document.document());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    m_document.setTextCursor(cursor);
    m_document.setFocus();
}

void EditCommands::clear()
{
    const MessageAnswer answer = m_platform.messageBox(
        QStringLiteral("This will clear everything ! Do you really want to do ?"), MessageButtons::YesNo,
        MessageIcon::Exclamation, QStringLiteral("Clearing ..."));
    if (answer != MessageAnswer::Yes)
        return;
    m_document.clearText();
    m_document.setFocus();
}

void EditCommands::cut()
{
    toClipboard(true);
}

void EditCommands::copy()
{
    toClipboard(false);
}

void EditCommands::toClipboard(bool deleteSelection)
{
    m_platform.clearClipboard();
    m_platform.setClipboardText(m_document.selectedText());
    if (deleteSelection)
        m_document.replaceSelection(QString());
    m_document.setFocus();
}

void EditCommands::paste()
{
    m_document.replaceSelection(m_platform.clipboardText());
    m_document.setFocus();
}

void EditCommands::findCommand()
{
    // A cancelled box gives the empty text, and the search runs with it all the same.
    const QString entered = m_platform.inputBox(QStringLiteral("Find specific string ..."));
    selectLast(&m_document, entered);
}

} // namespace saltor
