#pragma once

#include "platform/textcodec.h"

#include <QString>

class QPlainTextEdit;

namespace saltor {

// The Document shown in a QPlainTextEdit, keeping each line's own terminator (CRLF, LF,
// CR...) so that a file opened and saved without an edit keeps its bytes. The widget keeps
// only block breaks; the terminator of each block is stored in the block's user state.
// A block without one (typed or appended) takes the default line end: CRLF, or the file's
// own when it used one convention throughout.
class Document {
public:
    explicit Document(QPlainTextEdit* edit);

    // Replaces the whole Document; the caret goes to the start.
    void setText(const QString& text);
    // The whole Document with every line's terminator; never built from toPlainText().
    QString text() const;
    // Appends piece after the last character; caret, selection and scroll stay as they were.
    // Takes time in proportion to the piece, not to the Document.
    void append(const QString& piece);

    QString defaultLineEnd() const { return m_defaultLineEnd; }
    // The encoding a save writes back (that of the file last opened; UTF-8 for a new one).
    TextFormat format() const { return m_format; }
    void setFormat(const TextFormat& format) { m_format = format; }

private:
    QPlainTextEdit* m_edit;
    QString m_defaultLineEnd = QStringLiteral("\r\n");
    TextFormat m_format;
};

} // namespace saltor
