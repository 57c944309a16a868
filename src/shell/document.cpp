#include "shell/document.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace saltor {

namespace {

// Block user states: no stored terminator, CRLF, or one terminator character stored as
// kSingle plus its code (LF, CR, and the characters Qt also breaks blocks on).
constexpr int kDefault = -1;
constexpr int kCrLf = 1;
constexpr int kSingle = 0x10000;

QString terminatorOf(int state, const QString& defaultLineEnd)
{
    if (state == kCrLf)
        return QStringLiteral("\r\n");
    if (state >= kSingle)
        return QString(QChar(char16_t(state - kSingle)));
    return defaultLineEnd;
}

bool breaksBlock(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
           || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

} // namespace

Document::Document(QPlainTextEdit* edit) : m_edit(edit) {}

void Document::setText(const QString& text)
{
    m_edit->setPlainText(text);

    // Walk the blocks beside the original text and store each block's own terminator.
    int crlf = 0, lf = 0, cr = 0, other = 0;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    for (QTextBlock block = m_edit->document()->begin(); block.isValid(); block = block.next()) {
        pos += block.length() - 1;
        int state = kDefault;
        if (pos < n && breaksBlock(text.at(pos))) {
            if (text.at(pos) == QLatin1Char('\r') && pos + 1 < n && text.at(pos + 1) == QLatin1Char('\n')) {
                state = kCrLf;
                ++crlf;
                pos += 2;
            } else {
                const QChar c = text.at(pos);
                state = kSingle + c.unicode();
                if (c == QLatin1Char('\n'))
                    ++lf;
                else if (c == QLatin1Char('\r'))
                    ++cr;
                else
                    ++other;
                ++pos;
            }
        }
        block.setUserState(state);
    }

    m_defaultLineEnd = QStringLiteral("\r\n");
    if (other == 0 && crlf == 0 && lf > 0 && cr == 0)
        m_defaultLineEnd = QStringLiteral("\n");
    else if (other == 0 && crlf == 0 && lf == 0 && cr > 0)
        m_defaultLineEnd = QStringLiteral("\r");
}

QString Document::text() const
{
    const QTextDocument* doc = m_edit->document();
    QString out;
    out.reserve(doc->characterCount() + doc->blockCount());
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        out += block.text();
        if (block.next().isValid())
            out += terminatorOf(block.userState(), m_defaultLineEnd);
    }
    return out;
}

void Document::append(const QString& piece)
{
    const QTextCursor user = m_edit->textCursor();
    const int anchor = user.anchor();
    const int position = user.position();
    const int horizontal = m_edit->horizontalScrollBar()->value();
    const int vertical = m_edit->verticalScrollBar()->value();

    QTextCursor end(m_edit->document());
    end.movePosition(QTextCursor::End);
    end.insertText(piece);

    // A caret or selection that ended at the very end moved with the insert: put it back.
    const QTextCursor now = m_edit->textCursor();
    if (now.anchor() != anchor || now.position() != position) {
        QTextCursor restored(m_edit->document());
        restored.setPosition(anchor);
        restored.setPosition(position, QTextCursor::KeepAnchor);
        m_edit->setTextCursor(restored);
    }
    m_edit->horizontalScrollBar()->setValue(horizontal);
    m_edit->verticalScrollBar()->setValue(vertical);
}

} // namespace saltor
