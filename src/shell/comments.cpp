#include "shell/comments.h"

namespace saltor {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString noteComment(const QString& text)
{
    return QStringLiteral("// ") + text + kCrLf;
}

QString dateMarkComment(const QDate& date)
{
    // Plain number formatting: QString::arg without %L never consults the locale.
    const QChar zero = QLatin1Char('0');
    const QString mark = QStringLiteral("%1-%2-%3")
                             .arg(date.month(), 2, 10, zero)
                             .arg(date.day(), 2, 10, zero)
                             .arg(date.year(), 4, 10, zero);
    return noteComment(mark);
}

QString blockComment(const QString& text)
{
    return QStringLiteral("/* ") + text + QStringLiteral(" */") + kCrLf;
}

} // namespace saltor
