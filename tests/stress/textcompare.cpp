#include "textcompare.h"

namespace saltor::stress {

QString withLineEnds(const QString& piece, const QString& lineEnd)
{
    QString out;
    out.reserve(piece.size());
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const QChar c = piece.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar(0xFDD0)
            || c == QChar(0xFDD1)) {
            if (c == QLatin1Char('\r') && i + 1 < piece.size() && piece.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += lineEnd;
        } else {
            out += c;
        }
    }
    return out;
}

QString withoutLineBreaks(QString piece)
{
    piece.remove(QLatin1Char('\r'));
    piece.remove(QLatin1Char('\n'));
    return piece;
}

QString spanOf(const QString& document, int from, int to)
{
    qsizetype begin = -1;
    int position = 0;
    for (qsizetype i = 0; i <= document.size(); ++i, ++position) {
        if (position == from)
            begin = i;
        if (position == to)
            return document.mid(begin, i - begin);
        if (i < document.size() && document.at(i) == QLatin1Char('\r') && i + 1 < document.size()
            && document.at(i + 1) == QLatin1Char('\n'))
            ++i;
    }
    return QString();
}

bool isSplice(const QString& before, const QString& now, const QString& removed, const QString& inserted)
{
    if (now.size() != before.size() - removed.size() + inserted.size())
        return false;
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < now.size() && before.at(prefix) == now.at(prefix))
        ++prefix;
    for (qsizetype at = 0; at <= prefix && at + removed.size() <= before.size(); ++at) {
        if (QStringView(before).mid(at, removed.size()) != removed)
            continue;
        if (QStringView(now).mid(at, inserted.size()) != inserted)
            continue;
        if (QStringView(before).mid(at + removed.size()) == QStringView(now).mid(at + inserted.size()))
            return true;
    }
    return false;
}

QString shown(const QString& value, qsizetype at)
{
    const qsizetype from = qMax<qsizetype>(0, at - 30);
    QString out = from > 0 ? QStringLiteral("...") : QString();
    for (QChar c : QStringView(value).mid(from, 80)) {
        if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    if (from + 80 < value.size())
        out += QStringLiteral("...");
    return out;
}

QString difference(const QString& expected, const QString& got)
{
    qsizetype at = 0;
    while (at < expected.size() && at < got.size() && expected.at(at) == got.at(at))
        ++at;
    return QStringLiteral("they differ at %1 (lengths %2 and %3): expected \"%4\", got \"%5\"")
        .arg(at)
        .arg(expected.size())
        .arg(got.size())
        .arg(shown(expected, at), shown(got, at));
}

} // namespace saltor::stress
