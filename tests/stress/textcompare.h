#pragma once

#include <QString>

namespace saltor::stress {

// Comparing texts the way the model needs: line breaks written one way, a change that is
// one splice, and a readable account of where two texts part.

// piece with every line break (CRLF, CR, LF, and the paragraph separator and the two frame marks
// the text box also breaks lines on) written as lineEnd.
QString withLineEnds(const QString& piece, const QString& lineEnd);
QString withoutLineBreaks(QString piece);
// The part of a document between two positions of its text box, where each line break
// (CRLF, LF or CR) is one position; the breaks keep their bytes.
QString spanOf(const QString& document, int from, int to);

// True when now is before with removed replaced by inserted at one position.
bool isSplice(const QString& before, const QString& now, const QString& removed, const QString& inserted);

// A text as a failure shows it: line breaks and tabs escaped, a window around at.
QString shown(const QString& value, qsizetype at = 0);
// Where expected and got part, with a window of each.
QString difference(const QString& expected, const QString& got);

} // namespace saltor::stress
