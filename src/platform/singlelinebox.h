#pragma once

class QLineEdit;

namespace saltor {

// Makes box a single-line box of the program: it holds one line of any length. Each line break
// that reaches it (pasted, dropped or set from code; CRLF, LF and CR count as one each) becomes
// one blank, and nothing typed or pasted is cut at a length limit.
void makeSingleLineBox(QLineEdit* box);

} // namespace saltor
