#include "statements/markup.h"

namespace saltor {

namespace {

const QString kDoubledQuote = QStringLiteral("\"\"");

} // namespace

QString markerMarkup(const QString& markerName, const QString& text)
{
    return QStringLiteral("<marker name=") + kDoubledQuote + markerName + kDoubledQuote + QStringLiteral(">")
           + text + QStringLiteral("</marker> ");
}

QString pictureMarkup(const QString& pictureName, const QString& width, const QString& height)
{
    return QStringLiteral("<img image=") + kDoubledQuote + pictureName + kDoubledQuote
           + QStringLiteral(" width=") + kDoubledQuote + width + kDoubledQuote
           + QStringLiteral(" height=") + kDoubledQuote + height + kDoubledQuote + QStringLiteral(" /> ");
}

} // namespace saltor
