#include "shell/filedialogstate.h"

namespace saltor {

QString FileDialogState::qtFilter() const
{
    const qsizetype bar = m_filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return m_filter;
    const QString description = m_filter.left(bar);
    const QString pattern = m_filter.mid(bar + 1);
    if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')')))
        return description;
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

} // namespace saltor
