#include "mainmodel.h"

namespace saltor::stress {

namespace {

QString text(const char* literal)
{
    return QString::fromLatin1(literal);
}

} // namespace

QString formOpenedBy(const QString& control)
{
    for (const Opener& opener : kMainButtons)
        if (control == QLatin1String(opener.control))
            return text(opener.form);
    for (const Opener& opener : kMenuOpeners)
        if (control == QLatin1String(opener.control))
            return text(opener.form);
    return QString();
}

QString lineEndOf(const QString& document)
{
    int crlf = 0, lf = 0, cr = 0;
    for (qsizetype i = 0; i < document.size(); ++i) {
        if (document.at(i) == QLatin1Char('\r')) {
            if (i + 1 < document.size() && document.at(i + 1) == QLatin1Char('\n')) {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (document.at(i) == QLatin1Char('\n')) {
            ++lf;
        }
    }
    if (crlf == 0 && cr == 0 && lf > 0)
        return QStringLiteral("\n");
    if (crlf == 0 && lf == 0 && cr > 0)
        return QStringLiteral("\r");
    return kCrLf;
}

const QStringList& poolPaths()
{
    static const QStringList paths = {
        QStringLiteral("/mem/crlf.sqf"),      QStringLiteral("/mem/lf.sqf"),         QStringLiteral("/mem/cr.sqf"),
        QStringLiteral("/mem/mixed.sqf"),     QStringLiteral("/mem/blank.sqf"),      QStringLiteral("/mem/czech.sqf"),
        QStringLiteral("/mem/bom.sqf"),       QStringLiteral("/mem/cp1250.sqf"),     QStringLiteral("/mem/empty.sqf"),
        QStringLiteral("/mem/noeol.sqf"),     kLockedPath,                           QStringLiteral("/mem/new.sqf"),
        QStringLiteral("/mem/other.sqf"),     QStringLiteral("/mem/overview.html"),  QStringLiteral("/mem/briefing.html"),
        QStringLiteral("/mem/missing.sqf"),
    };
    return paths;
}

} // namespace saltor::stress
