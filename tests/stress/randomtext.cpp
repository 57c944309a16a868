#include "randomtext.h"

#include <array>

namespace saltor::stress {

namespace {

constexpr std::array<const char16_t*, 26> kPieces = {
    u"tsk1", u"player", u"obj1", u"markerOBJ1", u"Seize Guglovo", u"x", u"256", u"0.75",
    u" ", u"  ", u"\"", u"\"quoted\"", u"a\"b", u"back\\slash", u"<br />", u"<b>&amp;</b>",
    u"*/", u"// ", u"\t", u";", u"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148",
    u"\u65e5\u672c\u8a9e", u"\u20ac", u"\u00fc\u00df", u"\u0160\u0161", u"Be quick and precise!",
};

} // namespace

QString randomText(QRandomGenerator& random, bool lineBreaks)
{
    switch (random.bounded(10)) {
    case 0:
        return QString();
    case 1:
        return QString(int(random.bounded(1, 4)), QLatin1Char(' '));
    default:
        break;
    }
    QString text;
    const int count = int(random.bounded(1, 5));
    for (int i = 0; i < count; ++i) {
        if (lineBreaks && i > 0 && random.bounded(3) == 0)
            text += QStringLiteral("\r\n");
        text += QString::fromUtf16(kPieces[random.bounded(int(kPieces.size()))]);
    }
    return text;
}

} // namespace saltor::stress
