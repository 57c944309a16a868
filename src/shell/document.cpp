#include "shell/document.h"

#include "shell/plaintextbox.h"

#include <QAbstractUndoItem>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace saltor {

namespace {

// Terminator codes: the default line end, CRLF, or the one character that broke the line
// (LF, CR, and the characters Qt also breaks blocks on).
constexpr char16_t kDefault = 0;
constexpr char16_t kCrLf = 1;

bool breaksBlock(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
           || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

bool deletesText(const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
        return true;
    for (const QKeySequence::StandardKey deletion :
         {QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine}) {
        if (key->matches(deletion))
            return true;
    }
    return false;
}

// Qt records a deletion by a key without an edit block, as an undo step that nothing can
// join. A key that may delete a line break runs inside an edit block, so the record of
// the break's terminator joins its undo step. Other keys are left alone: runs of typing
// and of Backspace inside a line stay one undo step each, as the box makes them.
class BreakDeletingKeys : public QObject {
public:
    explicit BreakDeletingKeys(QPlainTextEdit* box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_box || event->type() != QEvent::KeyPress || m_inside || !m_box->isEnabled())
            return false;
        const QTextCursor caret = m_box->textCursor();
        const bool atBreak = caret.hasSelection()
                                 ? m_box->document()->findBlock(caret.selectionStart())
                                       != m_box->document()->findBlock(caret.selectionEnd())
                                 : caret.atBlockStart() || caret.atBlockEnd();
        if (!atBreak || !deletesText(static_cast<QKeyEvent*>(event)))
            return false;
        QTextCursor block(m_box->document());
        block.beginEditBlock();
        m_inside = true;
        static_cast<QObject*>(m_box)->event(event);
        m_inside = false;
        block.endEditBlock();
        return true;
    }

private:
    QPlainTextEdit* m_box;
    bool m_inside = false;
};

} // namespace

// Joins the text edit that inserted or deleted breaks in the same undo step; undoing or
// redoing it hands the Document the terminators of the breaks that step brings back.
class LineEndsUndo : public QAbstractUndoItem {
public:
    LineEndsUndo(Document* document, QList<char16_t> removed, QList<char16_t> inserted)
        : m_document(document), m_removed(std::move(removed)), m_inserted(std::move(inserted))
    {
    }
    void undo() override { m_document->m_replay = m_removed; }
    void redo() override { m_document->m_replay = m_inserted; }

private:
    Document* m_document;
    QList<char16_t> m_removed;
    QList<char16_t> m_inserted;
};

Document::Document(QPlainTextEdit* edit) : m_edit(edit)
{
    m_following = QObject::connect(edit->document(), &QTextDocument::contentsChange, edit,
                                   [this](int position, int removed, int added) { follow(position, removed, added); });
    edit->installEventFilter(new BreakDeletingKeys(edit));
}

Document::~Document()
{
    QObject::disconnect(m_following);
}

void Document::setText(const QString& text)
{
    m_filling = true;
    m_edit->setPlainText(text);
    m_filling = false;
    m_replay.reset();

    // Walk the blocks beside the original text and keep each break's own terminator.
    const QTextDocument* doc = m_edit->document();
    m_ends.clear();
    m_ends.reserve(doc->blockCount());
    int crlf = 0, lf = 0, cr = 0, other = 0;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    for (QTextBlock block = doc->begin(); block.next().isValid(); block = block.next()) {
        pos += block.length() - 1;
        char16_t end = kDefault;
        if (pos < n && breaksBlock(text.at(pos))) {
            const QChar c = text.at(pos);
            if (c == QLatin1Char('\r') && pos + 1 < n && text.at(pos + 1) == QLatin1Char('\n')) {
                end = kCrLf;
                ++crlf;
                ++pos;
            } else {
                end = c.unicode();
                lf += c == QLatin1Char('\n');
                cr += c == QLatin1Char('\r');
                other += c != QLatin1Char('\n') && c != QLatin1Char('\r');
            }
            ++pos;
        }
        m_ends.append(end);
    }

    m_defaultLineEnd = QStringLiteral("\r\n");
    if (other == 0 && crlf == 0 && lf > 0 && cr == 0)
        m_defaultLineEnd = QStringLiteral("\n");
    else if (other == 0 && crlf == 0 && lf == 0 && cr > 0)
        m_defaultLineEnd = QStringLiteral("\r");
}

QString Document::terminator(int blockNumber) const
{
    const char16_t end = blockNumber < m_ends.size() ? m_ends.at(blockNumber) : kDefault;
    if (end == kDefault)
        return m_defaultLineEnd;
    if (end == kCrLf)
        return QStringLiteral("\r\n");
    return QString(QChar(end));
}

QString Document::text() const
{
    const QTextDocument* doc = m_edit->document();
    QString out;
    out.reserve(doc->characterCount() + doc->blockCount());
    int number = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next(), ++number) {
        out += block.text();
        if (block.next().isValid())
            out += terminator(number);
    }
    return out;
}

QString Document::text(int from, int to) const
{
    const QTextDocument* doc = m_edit->document();
    const int last = doc->characterCount() - 1;
    const int start = qBound(0, qMin(from, to), last);
    to = qBound(0, qMax(from, to), last);
    from = start;
    QString out;
    QTextBlock block = doc->findBlock(from);
    int number = block.blockNumber();
    while (block.isValid() && block.position() <= to) {
        const int start = qMax(from, block.position()) - block.position();
        const int end = qMin(to, block.position() + block.length() - 1) - block.position();
        out += QStringView(block.text()).mid(start, end - start);
        if (block.position() + block.length() - 1 < to)
            out += terminator(number);
        block = block.next();
        ++number;
    }
    return out;
}

void Document::append(const QString& piece)
{
    appendKeepingView(m_edit, piece);
}

// Follows a change of the text: the breaks inside the changed range are the ones the edit
// inserted; the break that ends the range's last line is the one that ended it before.
void Document::follow(int position, int removed, int added)
{
    Q_UNUSED(removed);
    if (m_filling)
        return;
    QTextDocument* doc = m_edit->document();
    const int last = doc->characterCount() - 1;
    const int first = doc->findBlock(qMin(position, last)).blockNumber();
    const int inserted = doc->findBlock(qMin(position + added, last)).blockNumber() - first;
    const int deleted = inserted - (doc->blockCount() - 1 - int(m_ends.size()));
    std::optional<QList<char16_t>> replay = std::move(m_replay);
    m_replay.reset();
    if (inserted == 0 && deleted == 0)
        return;
    if (deleted < 0 || first + deleted > m_ends.size()) {
        // Not a change this Document can account for: keep one entry per break.
        m_ends.resize(doc->blockCount() - 1, kDefault);
        return;
    }

    const QList<char16_t> before = m_ends.mid(first, deleted);
    const QList<char16_t> now = replay && replay->size() == inserted ? *replay : QList<char16_t>(inserted, kDefault);
    m_ends.remove(first, deleted);
    m_ends.insert(first, inserted, kDefault);
    std::copy(now.begin(), now.end(), m_ends.begin() + first);

    // A fresh edit (not Undo or Redo, which leave steps to redo or bring their own record)
    // records what it changed in the undo step of the edit itself.
    if (!replay && doc->isUndoRedoEnabled() && doc->availableRedoSteps() == 0) {
        QTextCursor join(doc);
        join.joinPreviousEditBlock();
        doc->appendUndoItem(new LineEndsUndo(this, before, now));
        join.endEditBlock();
    }
}

} // namespace saltor
