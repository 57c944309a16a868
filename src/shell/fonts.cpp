#include "shell/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace saltor {

QFont verdanaFont(qreal points)
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

QFont defaultDialogFont()
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(8.25);
    return font;
}

} // namespace saltor
