#include "shell/breakterminators.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>
#include <utility>

namespace saltor {

namespace {

// The terminators of the line breaks met in one reading of the Document, from the last back,
// starting with the break that starts a given block; each is at most two characters. Where no
// format of the Document holds a terminator (a file of one convention), every break has the
// default line end and no block is looked into.
//
// Elsewhere each break is read through the block it starts. Qt finds a break's format by two
// look-ups in its trees, a cost per line many times that of its text; so what a break's format
// says is noted in the block's user state, which Qt keeps beside each block and reads in one
// step, and later readings take it from there. The format stays the one truth: Open notes every
// break as it sets them, a reading notes those it had to look into, and an edit forgets the
// notes of the blocks it touched (DocumentBox::forgetLineEnds). A block Qt makes starts unnoted.
class Terminators {
public:
    Terminators(const QTextBlock& afterLast, const QString& defaultLineEnd)
        : m_block(afterLast), m_default(defaultLineEnd)
    {
        const QList<QTextFormat> formats = afterLast.document()->allFormats();
        m_allDefault = std::none_of(formats.begin(), formats.end(),
                                    [](const QTextFormat& format) { return format.hasProperty(kLineEnd); });
    }

    bool allDefault() const { return m_allDefault; }
    QStringView defaultLineEnd() const { return m_default; }

    // The terminator of the line break before the one last read; valid until the next call.
    QStringView previous()
    {
        if (m_allDefault)
            return m_default;
        int code = m_block.userState();
        if (code == kUnnoted) {
            code = codeOfFormat(m_block.charFormatIndex());
            m_block.setUserState(code);
        }
        m_block = m_block.previous();
        if (code == kNoLineEnd)
            return m_default;
        if (code == kCrLf)
            return u"\r\n";
        m_single = QChar(char16_t(code));
        return QStringView(&m_single, 1);
    }

private:
    // What a break format says: its terminator's code, or kNoLineEnd. A document has few
    // such formats; each is looked into once.
    int codeOfFormat(int format)
    {
        for (const auto& [index, code] : m_seen)
            if (index == format)
                return code;
        const QVariant code = m_block.charFormat().property(kLineEnd);
        m_seen.append({format, code.isValid() ? code.toInt() : kNoLineEnd});
        return m_seen.last().second;
    }

    QTextBlock m_block;
    QString m_default;
    bool m_allDefault = false;
    QChar m_single;
    QVarLengthArray<std::pair<int, int>, 8> m_seen;
};

// Whether any of the four characters packed in word is a line break (U+2029): a lane of
// word ^ breaks is zero only there, and only a zero lane borrows from its top bit.
bool anyIsBreak(quint64 word)
{
    const quint64 x = word ^ 0x2029202920292029ULL;
    return ((x - 0x0001000100010001ULL) & ~x & 0x8000800080008000ULL) != 0;
}

// raw with each line break (U+2029) written as its terminator, in place as Qt makes its own
// plain text: the text grows by one character a break, then is written from its end back, so
// that no letter is overwritten before it is read (each break grows by at most that one), and
// what is left unused at the front is dropped. Four characters without a break move at once.
QString writeTerminators(QString raw, Terminators& terminators)
{
    const QStringView lineEnd = terminators.defaultLineEnd();
    if (terminators.allDefault() && lineEnd.size() == 1)
        return raw.replace(QChar::ParagraphSeparator, lineEnd.front());
    const qsizetype length = raw.size();
    raw.resize(length + std::count(raw.cbegin(), raw.cend(), QChar::ParagraphSeparator));
    char16_t* const data = reinterpret_cast<char16_t*>(raw.data());
    qsizetype to = raw.size();
    for (qsizetype at = length; at > 0;) {
        quint64 four = 0;
        if (at >= 4 && (std::memcpy(&four, data + at - 4, sizeof four), !anyIsBreak(four))) {
            at -= 4;
            to -= 4;
            std::memcpy(data + to, &four, sizeof four);
            continue;
        }
        const char16_t c = data[--at];
        if (c != QChar::ParagraphSeparator) {
            data[--to] = c;
            continue;
        }
        const QStringView terminator = terminators.previous().left(2);
        for (qsizetype k = terminator.size(); k-- > 0;)
            data[--to] = terminator[k].unicode();
    }
    raw.remove(0, to);
    return raw;
}

} // namespace

QString withTerminators(QString raw, const QTextBlock& afterLast, const QString& defaultLineEnd)
{
    Terminators terminators(afterLast, defaultLineEnd);
    return writeTerminators(std::move(raw), terminators);
}

} // namespace saltor
