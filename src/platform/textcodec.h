#pragma once

#include <QByteArray>
#include <QString>

namespace saltor {

enum class Encoding { Utf8, Windows1250 };

// How a file's bytes were written, so that a save can write them back the same way.
struct TextFormat {
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
};

struct DecodedText {
    QString text;
    TextFormat format;
};

struct EncodedText {
    QByteArray bytes;
    TextFormat format; // what was actually used (a save may fall back to UTF-8)
};

// Whether decodeText reads bytes as UTF-8 (with or without a mark), rather than as Windows-1250.
bool readsAsUtf8(QByteArrayView bytes);

// Decodes a file's bytes without losing any: valid UTF-8 (a leading byte-order mark is
// remembered and removed; a second one is text), otherwise Windows-1250, in which every byte maps to a character.
DecodedText decodeText(const QByteArray& bytes);

// Encodes in the given format. A text that Windows-1250 cannot hold is written as UTF-8
// (without mark). decodeText(encodeText(t, f).bytes) gives t back.
EncodedText encodeText(const QString& text, const TextFormat& format);

} // namespace saltor
