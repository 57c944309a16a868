#pragma once

class QPlainTextEdit;

namespace saltor {

// The "<br />" button of a page generator's description box: while the box is enabled,
// "<br />" and CRLF go to the end of its text, whatever its caret or selection (which stay
// as they were); while it is disabled nothing happens.
void appendGuardedLineBreak(QPlainTextEdit* box);

} // namespace saltor
