#include "shell/documentbox.h"

#include "shell/breakterminators.h"
#include "shell/plaintextbox.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace saltor {

namespace {

bool breaksLine(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
           || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

int codeOf(const QString& lineEnd)
{
    return lineEnd == QLatin1String("\r\n") ? kCrLf : lineEnd.at(0).unicode();
}

// The terminator code of the break at text[at], and its length in text.
int breakAt(const QString& text, qsizetype at, qsizetype* length)
{
    const QChar c = text.at(at);
    *length = 1;
    if (c == QLatin1Char('\r') && at + 1 < text.size() && text.at(at + 1) == QLatin1Char('\n')) {
        *length = 2;
        return kCrLf;
    }
    return c.unicode();
}

// The default line end of a text: its own when it used one of CRLF, LF or CR throughout.
QString lineEndUsedThroughout(const QString& text)
{
    qsizetype crlf = 0, lf = 0, cr = 0, other = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!breaksLine(text.at(i)))
            continue;
        qsizetype length = 0;
        const int code = breakAt(text, i, &length);
        i += length - 1;
        crlf += code == kCrLf;
        lf += code == '\n';
        cr += code == '\r';
        other += code != kCrLf && code != '\n' && code != '\r';
    }
    if (other == 0 && crlf == 0 && cr == 0 && lf > 0)
        return QStringLiteral("\n");
    if (other == 0 && crlf == 0 && lf == 0 && cr > 0)
        return QStringLiteral("\r");
    return QStringLiteral("\r\n");
}

// Puts text in place of the cursor's selection, every line break in it a new one: in the plain
// format, which holds no terminator, so that it takes the default line end. (The box would
// give new text the format of the character before it, terminator and all.)
void insertAsNew(QTextCursor& cursor, const QString& text)
{
    cursor.insertText(text, QTextCharFormat());
}

// Enter and keypad Enter under every modifier with which Qt makes a paragraph or a line
// separator of them (Shift, the group switch of AltGr, the keypad), and with Ctrl too, which
// the box would otherwise ignore.
bool makesLine(const QKeyEvent* key)
{
    const QKeyEvent withoutCtrl(key->type(), key->key(), key->modifiers() & ~Qt::ControlModifier);
    return withoutCtrl.matches(QKeySequence::InsertParagraphSeparator)
           || withoutCtrl.matches(QKeySequence::InsertLineSeparator);
}

// The text Qt types for a key: none for a Ctrl or Ctrl+Shift chord, which it leaves to
// shortcuts, nor for text that starts with a control character other than a tab, or with an
// unassigned one.
QString typedText(const QKeyEvent* key)
{
    const QString text = key->text();
    if (text.isEmpty())
        return QString();
    const QChar first = text.front();
    const bool chord = key->modifiers() == Qt::ControlModifier
                       || key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    const bool typed = first.category() == QChar::Other_Format
                       || (!chord && (first.isPrint() || first.category() == QChar::Other_PrivateUse
                                      || first == QLatin1Char('\t')
                                      || (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate())));
    return typed ? text : QString();
}

bool holdsBreak(const QString& text)
{
    return std::any_of(text.begin(), text.end(), breaksLine);
}

} // namespace

DocumentBox::DocumentBox(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &DocumentBox::keepCaretPlain);
    connect(this, &QPlainTextEdit::selectionChanged, this, &DocumentBox::keepCaretPlain);
    connect(document(), &QTextDocument::contentsChanged, this, &DocumentBox::keepCaretPlain);
    connect(document(), &QTextDocument::contentsChange, this, &DocumentBox::forgetLineEnds);
}

// An edit may change a break's format, or which break starts a block: Qt, joining two blocks,
// even gives the first the second's user state. So the notes of every block the edit touched
// are forgotten, and the next reading looks into their formats again: the block that holds the
// edit's position (which may have taken the note of a block joined to it), and every block that
// starts within the edit, its end included (each new or changed break starts one).
void DocumentBox::forgetLineEnds(int position, int /*removed*/, int added)
{
    if (m_openingText)
        return;
    QTextBlock block = document()->findBlock(position);
    const qint64 end = qint64(position) + added;
    for (; block.isValid() && block.position() <= end; block = block.next())
        block.setUserState(kUnnoted);
}

// Qt gives new text the caret's character format: letters typed, key text, input-method text,
// and the whole new text of setPlainText (Open, New, Clear). That format is the one set on
// the caret since it last moved, or else that of the text before it: at the start of an empty
// line, the line break in front, terminator and all, and after letters typed there, theirs.
// Qt drops a set format whenever the caret moves or an edit shifts it; so after every move and
// every edit the caret, standing without a selection, is given its format without the
// terminator, and no text the box did not make itself can take one. A caret with a selection
// cannot hold a format of its own (setting one formats the selected text); there Qt takes the
// format at the selection's end. So text that replaces a selection is put in by the box itself
// (typed keys, input-method commits), and Open, New and Clear drop the selection first.
void DocumentBox::keepCaretPlain()
{
    const QTextCursor caret = textCursor();
    if (caret.hasSelection())
        return;
    QTextCharFormat format = caret.charFormat();
    if (!format.hasProperty(kLineEnd))
        return;
    format.clearProperty(kLineEnd);
    setCurrentCharFormat(format);
}

// Qt's setPlainText gives the whole text the caret's format; the caret goes to the start
// first, as it would after, without a selection and plain.
void DocumentBox::replaceContent(const QString& text)
{
    setTextCursor(QTextCursor(document()));
    keepCaretPlain();
    QPlainTextEdit::setPlainText(text);
}

void DocumentBox::setText(const QString& text)
{
    // Every block here is new, and noted below: no edit of this forgets a note.
    const QScopedValueRollback<bool> opening(m_openingText, true);
    m_defaultLineEnd = lineEndUsedThroughout(text);
    replaceContent(text);

    // Every break that is not the default line end keeps its own on its format. Not an edit
    // the user made: it cannot be undone. One edit block, so the box lays out once. Breaks in a
    // row that share a terminator take it in one step: a cursor sets the format of every break
    // in its selection.
    const int defaultCode = codeOf(m_defaultLineEnd);
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    int runCode = defaultCode;
    int runFirst = 0; // the start of the line after the run's first break
    const auto endRun = [&](int runLast) {
        if (runCode == defaultCode)
            return;
        QTextCharFormat format;
        format.setProperty(kLineEnd, runCode);
        cursor.setPosition(runFirst);
        cursor.setPosition(runLast, QTextCursor::KeepAnchor);
        cursor.mergeBlockCharFormat(format);
    };
    qsizetype at = 0;
    int lineStart = 0;
    for (QTextBlock block = doc->begin(); block.next().isValid(); block = block.next()) {
        at += block.length() - 1;
        if (at >= text.size() || !breaksLine(text.at(at)))
            break;
        qsizetype length = 0;
        const int code = breakAt(text, at, &length);
        at += length;
        const int previousLineStart = lineStart;
        lineStart += block.length();
        block.next().setUserState(code == defaultCode ? kNoLineEnd : code);
        if (code == runCode)
            continue;
        endRun(previousLineStart);
        runCode = code;
        runFirst = lineStart;
    }
    endRun(lineStart);
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
}

void DocumentBox::clearText()
{
    replaceContent(QString());
}

QString DocumentBox::text() const
{
    return text(0, document()->characterCount() - 1);
}

QString DocumentBox::text(int from, int to) const
{
    const QTextDocument* doc = document();
    const int last = doc->characterCount() - 1;
    const int start = qBound(0, qMin(from, to), last);
    const int end = qBound(0, qMax(from, to), last);
    // The characters between: the cursor reads them fragment by fragment, the raw text reads
    // the whole document at a much lower cost per character; so a cursor for a range up to an
    // eighth of the document.
    QString raw;
    if (qint64(end - start) * 8 < last) {
        QTextCursor range = textCursor();
        range.setPosition(start);
        range.setPosition(end, QTextCursor::KeepAnchor);
        raw = range.selectedText();
    } else {
        raw = doc->toRawText();
        raw.truncate(end);
        raw.remove(0, start);
    }
    // Every line break is one character of the raw text, and starts one block: the last of them
    // the block that holds the end.
    return withTerminators(std::move(raw), doc->findBlock(end), m_defaultLineEnd);
}

QString DocumentBox::selectedText() const
{
    const QTextCursor cursor = textCursor();
    return text(cursor.selectionStart(), cursor.selectionEnd());
}

void DocumentBox::replaceSelection(const QString& text)
{
    QTextCursor cursor = textCursor();
    insertAsNew(cursor, text);
    setTextCursor(cursor);
}

void DocumentBox::append(const QString& piece)
{
    appendKeepingView(this, piece);
}

void DocumentBox::setPlainText(const QString& text)
{
    replaceContent(text);
}

// As Qt's: the caret follows the text, and the view stays where it is.
void DocumentBox::insertPlainText(const QString& text)
{
    QTextCursor caret = textCursor();
    insertAsNew(caret, text);
}

// As Qt's appends: a new paragraph at the end, as one undo step, after which a box on screen
// shows the end where it showed it before.
template <typename Insert> void DocumentBox::appendParagraph(Insert insert)
{
    QScrollBar* scroll = verticalScrollBar();
    const bool showsEnd = isVisible() && scroll->value() == scroll->maximum();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    if (!document()->isEmpty())
        insertAsNew(end, QString(QChar::ParagraphSeparator));
    insert(end);
    end.endEditBlock();
    if (showsEnd)
        scroll->setValue(scroll->maximum());
}

void DocumentBox::appendPlainText(const QString& text)
{
    appendParagraph([&](QTextCursor& end) { insertAsNew(end, text); });
}

// The breaks of the HTML's paragraphs take none of the text before them: Qt gives the text it
// makes of HTML formats of its own.
void DocumentBox::appendHtml(const QString& html)
{
    appendParagraph([&](QTextCursor& end) { end.insertHtml(html); });
}

QMimeData* DocumentBox::createMimeDataFromSelection() const
{
    // Copy, Cut, the context menu and the X11 selection all take the text from here.
    auto* data = new QMimeData;
    data->setText(selectedText());
    return data;
}

void DocumentBox::insertFromMimeData(const QMimeData* source)
{
    // Paste and drop: pasted line breaks take the Document's convention.
    if (isReadOnly() || !source || !source->hasText())
        return;
    replaceSelection(source->text());
    ensureCursorVisible();
}

void DocumentBox::keyPressEvent(QKeyEvent* event)
{
    // A key that makes a line, or whose text holds a line break (a layout or compose key giving
    // a paragraph separator), makes new breaks; text typed over a selection is put in by the box
    // too (see keepCaretPlain). Any other key is the box's own.
    const QString typed = makesLine(event) ? QStringLiteral("\n") : typedText(event);
    if (isReadOnly() || typed.isEmpty() || (!holdsBreak(typed) && !textCursor().hasSelection()))
        return QPlainTextEdit::keyPressEvent(event);
    replaceSelection(typed);
    ensureCursorVisible();
    event->accept();
}

void DocumentBox::inputMethodEvent(QInputMethodEvent* event)
{
    // A preedit alone, or its cancel, is the box's own.
    if (isReadOnly() || (event->commitString().isEmpty() && event->replacementLength() == 0))
        return QPlainTextEdit::inputMethodEvent(event);
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    // The preedit shown so far goes from its line, with the selection: the box's own handler
    // does that when given nothing in their place. Then the commit goes in as new text, in
    // place of what the event replaces around the caret, held inside the document.
    QInputMethodEvent clear;
    QPlainTextEdit::inputMethodEvent(&clear);
    cursor = textCursor();
    cursor.removeSelectedText();
    const qint64 last = document()->characterCount() - 1;
    const qint64 start = qBound<qint64>(0, qint64(cursor.position()) + event->replacementStart(), last);
    const qint64 end = qBound<qint64>(start, start + event->replacementLength(), last);
    cursor.setPosition(int(start));
    cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    insertAsNew(cursor, event->commitString());
    cursor.endEditBlock();
    setTextCursor(cursor);
    // What is left of the event (the next preedit) goes on as the box's own.
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&rest);
    event->accept();
}

// Text dragged within the box would arrive as a drop, which is a paste, and every line break
// in it would lose its own terminator. So the box takes no drop of its own text: the drag shows
// it cannot land here and ends without an edit. Text dragged in from another program is pasted.
bool DocumentBox::isOwnDrag(const QDropEvent* event) const
{
    return event->source() == viewport() || event->source() == this;
}

void DocumentBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (isOwnDrag(event))
        return event->ignore();
    QPlainTextEdit::dragEnterEvent(event);
}

void DocumentBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (isOwnDrag(event))
        return event->ignore();
    QPlainTextEdit::dragMoveEvent(event);
}

void DocumentBox::dropEvent(QDropEvent* event)
{
    if (isOwnDrag(event))
        return event->ignore();
    QPlainTextEdit::dropEvent(event);
}

} // namespace saltor
