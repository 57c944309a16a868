#include "shell/editcommands.h"

#include "platform/platform.h"
#include "shell/editor.h"
#include "shell/mainwindow.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <cstring>

namespace saltor {

namespace {

constexpr QChar kBlockBreak = QChar::ParagraphSeparator;

// text with every block break written as lineEnd, in one pass.
QString withLineEnds(const QString& text, const QString& lineEnd)
{
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(kBlockBreak); at >= 0; at = text.indexOf(kBlockBreak, from)) {
        out += QStringView(text).mid(from, at - from);
        out += lineEnd;
        from = at + 1;
    }
    out += QStringView(text).mid(from);
    return out;
}

// text with every CRLF, CR or LF written as one block break.
QString withBlockBreaks(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += kBlockBreak;
        } else {
            out += c;
        }
    }
    return out;
}

// True when text is the document's raw text with each block break written as a line
// terminator (CRLF, LF, CR or one of the other characters a block breaks on), as the
// Document reads. Then a raw index is a position in the text's lines.
bool isDocumentText(const QString& raw, const QString& text)
{
    // Compared a line at a time with memcmp, so the check costs little beside the search.
    const QChar* t = text.constData();
    const qsizetype n = text.size();
    qsizetype j = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = raw.indexOf(kBlockBreak, from);
        const qsizetype length = (at < 0 ? raw.size() : at) - from;
        if (n - j < length || std::memcmp(raw.constData() + from, t + j, size_t(length) * sizeof(QChar)) != 0)
            return false;
        j += length;
        if (at < 0)
            return j == n;
        if (j >= n)
            return false;
        const char16_t c = t[j].unicode();
        if (c == u'\r' && j + 1 < n && t[j + 1].unicode() == u'\n')
            j += 2;
        else if (c == u'\r' || c == u'\n' || c == kBlockBreak.unicode() || c == 0xFDD0 || c == 0xFDD1)
            j += 1;
        else
            return false;
        from = at + 1;
    }
}

void select(QPlainTextEdit* edit, qsizetype start, qsizetype length)
{
    // Positions of another text than the Document are held within the Document.
    const qsizetype end = edit->document()->characterCount() - 1;
    QTextCursor cursor(edit->document());
    cursor.setPosition(int(qMin(start, end)));
    cursor.setPosition(int(qMin(start + length, end)), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->setFocus();
}

// Selects the last occurrence of needle in text; an empty needle stands at the end.
void selectLast(QPlainTextEdit* edit, const QString& text, const QString& needle)
{
    if (text.isEmpty())
        return;
    const qsizetype at = needle.isEmpty() ? text.size() : text.lastIndexOf(needle, -1, Qt::CaseInsensitive);
    if (at >= 0)
        select(edit, at, needle.size());
}

void toClipboard(MainWindow& main, bool deleteSelection)
{
    QPlainTextEdit* edit = main.textPreview();
    Platform& platform = main.editor().platform();
    QTextCursor cursor = edit->textCursor();
    platform.clearClipboard();
    platform.setClipboardText(withLineEnds(cursor.selectedText(), main.document().defaultLineEnd()));
    if (deleteSelection) {
        cursor.removeSelectedText();
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
    findInDocument(main, entered);
}

void EditCommands::find(MainWindow& main, const QString& totalstring, const QString& findstring)
{
    QPlainTextEdit* edit = main.textPreview();
    const QString raw = edit->document()->toRawText();
    // The Document's own text: search the widget's text, where a line break is one position.
    if (isDocumentText(raw, totalstring))
        selectLast(edit, raw, withBlockBreaks(findstring));
    else
        selectLast(edit, totalstring, findstring);
}

void EditCommands::findInDocument(MainWindow& main, const QString& findstring)
{
    QPlainTextEdit* edit = main.textPreview();
    selectLast(edit, edit->document()->toRawText(), withBlockBreaks(findstring));
}

} // namespace saltor
