#pragma once

#include <QString>
#include <QTextFormat>

class QTextBlock;

namespace saltor {

// How the document box keeps each line's terminator: on the line break itself, as a property
// of the break's character format, wherever it differs from the default line end.

// The property that holds the terminator: kCrLf, or the one character that broke the line
// (LF, CR, and the other characters the box breaks lines on).
constexpr int kLineEnd = QTextFormat::UserProperty;
constexpr int kCrLf = 1;

// What a block's user state notes of the break that starts it, so that a reading need not look
// into its format: kCrLf or the character, as above; kNoLineEnd, a break whose format holds no
// terminator (it takes the default line end); kUnnoted, nothing yet (Qt's own for a new block).
constexpr int kNoLineEnd = 0;
constexpr int kUnnoted = -1;

// raw, the raw text of a range of the box's document (each line break one U+2029), with each
// line break written as its terminator. afterLast is the block that the range's last line break
// starts, or any block at or before the range's start where the range holds no line break.
// Notes what it had to look into on the blocks.
QString withTerminators(QString raw, const QTextBlock& afterLast, const QString& defaultLineEnd);

} // namespace saltor
