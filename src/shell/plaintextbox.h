#pragma once

#include <QString>

class QPlainTextEdit;

namespace saltor {

// What every multi-line text box shares, the document and the dialogs' boxes alike.

// The box's text with CRLF between its lines, whatever broke them.
QString textWithCrLf(const QPlainTextEdit* box);

// Appends piece after the last character; the caret, selection and both scroll positions
// stay as they were, even when the caret stood at the very end. Takes time in proportion
// to the piece, not to the box's text.
void appendKeepingView(QPlainTextEdit* box, const QString& piece);

} // namespace saltor
