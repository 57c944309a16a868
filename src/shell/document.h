#pragma once

#include "platform/textcodec.h"

#include <QList>
#include <QMetaObject>
#include <QString>

#include <optional>

class QPlainTextEdit;

namespace saltor {

// The Document shown in a QPlainTextEdit, keeping each line's own terminator (CRLF, LF,
// CR...) so that a file opened and saved without an edit keeps its bytes. The widget keeps
// only block breaks; the Document keeps the terminator of every break beside it, one entry
// per break in order, and follows every change of the text: an edit changes only the
// breaks it inserts or deletes, a new break (typed, pasted, appended) takes the default line
// end, and Undo and Redo bring back the terminators of the breaks they restore. The default
// line end is CRLF, or the file's own when it used one convention throughout.
class Document {
public:
    explicit Document(QPlainTextEdit* edit);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Replaces the whole Document; the caret goes to the start.
    void setText(const QString& text);
    // The whole Document with every line's terminator; never built from toPlainText().
    QString text() const;
    // The text between two positions of the text box, each line break written as that
    // line's own terminator.
    QString text(int from, int to) const;
    // Appends piece after the last character; caret, selection and scroll stay as they were.
    // Takes time in proportion to the piece, not to the Document.
    void append(const QString& piece);

    // The text box that shows the Document.
    QPlainTextEdit* box() const { return m_edit; }

    QString defaultLineEnd() const { return m_defaultLineEnd; }
    // The encoding a save writes back (that of the file last opened; UTF-8 for a new one).
    TextFormat format() const { return m_format; }
    void setFormat(const TextFormat& format) { m_format = format; }

private:
    friend class LineEndsUndo;

    void follow(int position, int removed, int added);
    QString terminator(int blockNumber) const;

    QPlainTextEdit* m_edit;
    // One entry per block break, in order: see document.cpp for the codes.
    QList<char16_t> m_ends;
    // The terminators of the breaks that the Undo or Redo under way restores.
    std::optional<QList<char16_t>> m_replay;
    bool m_filling = false;
    QMetaObject::Connection m_following;
    QString m_defaultLineEnd = QStringLiteral("\r\n");
    TextFormat m_format;
};

} // namespace saltor
