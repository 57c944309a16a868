#pragma once

#include "platform/textcodec.h"

#include <QPlainTextEdit>
#include <QString>

namespace saltor {

// The Document: the script in its text box, with every line's own terminator (CRLF, LF,
// CR...), so that a file opened and saved without an edit keeps its bytes.
//
// Each terminator is kept on the line break itself, as a property of the break's character
// format, wherever it differs from the default line end. Whatever removes, restores or moves
// a break (any deletion, Undo, Redo, an input method) carries its terminator with it; only a
// new break is made here, and takes the default line end: CRLF, or the file's own when it
// used one convention throughout. No new text takes a terminator from the caret, and the box
// takes no drop of its own text.
//
// Every way the box offers to put text in makes its breaks new ones: its own functions, keys,
// input methods, paste and drop, and the slots of QPlainTextEdit it answers with its own below
// (reached through a DocumentBox, by name, or as the plainText property). Code that holds a
// QTextCursor of the document must do the same: insert with a plain QTextCharFormat, as
// cursor.insertText(text, QTextCharFormat()), since Qt otherwise gives new text and breaks the
// format of the text before them, terminator and all. Qt's accessibility interface, through
// which an assistive program may insert text, does not, and is left as Qt makes it: a break
// it inserts may take the terminator of the break before it.
class DocumentBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)
public:
    explicit DocumentBox(QWidget* parent = nullptr);

    // Replaces the whole Document (Open, New) and works out its default line end; the caret
    // goes to the start, and nothing before it can be undone.
    void setText(const QString& text);
    // Empties the Document (Clear); the default line end stays that of the file.
    void clearText();
    // The whole Document with every line's terminator.
    QString text() const;
    // The text between two positions of the box, each line break written as its terminator.
    QString text(int from, int to) const;
    QString selectedText() const;
    // Puts text in place of the selection, as one undo step; its line breaks are new ones.
    void replaceSelection(const QString& text);
    // Appends piece after the last character; caret, selection and scroll stay as they were.
    // Takes time in proportion to the piece, not to the Document.
    void append(const QString& piece);

    // Qt's own ways in, each through the function that makes new breaks.
public slots:
    // Replaces the whole Document, as Clear and then a paste would: the default line end stays.
    void setPlainText(const QString& text);
    // Puts text in place of the selection.
    void insertPlainText(const QString& text);
    // Adds text at the end as a paragraph of its own.
    void appendPlainText(const QString& text);
    void appendHtml(const QString& html);

public:
    QString defaultLineEnd() const { return m_defaultLineEnd; }
    // The encoding a save writes back (that of the file last opened; UTF-8 for a new one).
    TextFormat format() const { return m_format; }
    void setFormat(const TextFormat& format) { m_format = format; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void keepCaretPlain();
    void forgetLineEnds(int position, int removed, int added);
    void replaceContent(const QString& text);
    template <typename Insert> void appendParagraph(Insert insert);
    bool isOwnDrag(const QDropEvent* event) const;

    QString m_defaultLineEnd = QStringLiteral("\r\n");
    bool m_openingText = false;
    TextFormat m_format;
};

} // namespace saltor
