#include "shell/plaintextbox.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace saltor {

QString textWithCrLf(const QPlainTextEdit* box)
{
    const QTextDocument* doc = box->document();
    QString out;
    out.reserve(doc->characterCount() + doc->blockCount());
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        out += block.text();
        if (block.next().isValid())
            out += QStringLiteral("\r\n");
    }
    return out;
}

void appendKeepingView(QPlainTextEdit* box, const QString& piece)
{
    const QTextCursor user = box->textCursor();
    const int anchor = user.anchor();
    const int position = user.position();
    const int horizontal = box->horizontalScrollBar()->value();
    const int vertical = box->verticalScrollBar()->value();

    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    // The plain format: the piece's text and breaks take none of the text before it.
    end.insertText(piece, QTextCharFormat());

    // A caret or selection that ended at the very end moved with the insert: put it back.
    const QTextCursor now = box->textCursor();
    if (now.anchor() != anchor || now.position() != position) {
        QTextCursor restored(box->document());
        restored.setPosition(anchor);
        restored.setPosition(position, QTextCursor::KeepAnchor);
        box->setTextCursor(restored);
    }
    box->horizontalScrollBar()->setValue(horizontal);
    box->verticalScrollBar()->setValue(vertical);
}

} // namespace saltor
