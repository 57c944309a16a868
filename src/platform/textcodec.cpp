#include "platform/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace saltor {

namespace {

// Windows-1250 bytes 0x80 to 0xFF. The five bytes the code page leaves undefined map to
// the C1 control of the same number, so that every byte survives a round trip.
constexpr std::array<char16_t, 128> kWindows1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9
};

const QByteArray kUtf8Mark("\xEF\xBB\xBF", 3);

bool toWindows1250(const QString& text, QByteArray* out)
{
    out->resize(text.size());
    char* data = out->data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            data[i] = static_cast<char>(c);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 128; ++k) {
            if (kWindows1250High[k] == c) {
                found = k;
                break;
            }
        }
        if (found < 0)
            return false;
        data[i] = static_cast<char>(0x80 + found);
    }
    return true;
}

} // namespace

bool readsAsUtf8(QByteArrayView bytes)
{
    // The mark is valid UTF-8 itself, so it changes nothing here.
    return bytes.isValidUtf8();
}

DecodedText decodeText(const QByteArray& bytes)
{
    DecodedText result;
    if (readsAsUtf8(bytes)) {
        QByteArrayView body(bytes);
        if (bytes.startsWith(kUtf8Mark)) {
            result.format.byteOrderMark = true;
            body = body.sliced(kUtf8Mark.size());
        }
        // Only the first mark is the file's: one after it is text (U+FEFF) and is kept.
        QStringDecoder utf8(QStringConverter::Utf8,
                            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        result.text = utf8.decode(body);
        result.format.encoding = Encoding::Utf8;
        return result;
    }
    result.format = TextFormat{Encoding::Windows1250, false};
    result.text.resize(bytes.size());
    QChar* out = result.text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        out[i] = b < 0x80 ? QChar(b) : QChar(kWindows1250High[b - 0x80]);
    }
    return result;
}

EncodedText encodeText(const QString& text, const TextFormat& format)
{
    EncodedText result;
    if (format.encoding == Encoding::Windows1250 && toWindows1250(text, &result.bytes)) {
        result.format = format;
        return result;
    }
    result.format = format.encoding == Encoding::Utf8 ? format : TextFormat{};
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    result.bytes = utf8.encode(text);
    if (result.format.byteOrderMark)
        result.bytes.prepend(kUtf8Mark);
    return result;
}

} // namespace saltor
