#include "extras/overviewpage.h"

namespace saltor {

namespace {

const QString kHead = QStringLiteral("<html>\r\n"
                                     "\t<head>\r\n"
                                     "\t\t<title>Overview</title>\r\n"
                                     "\t</head>\r\n"
                                     "\t<body bgcolor=\"#FFFFFF\">\r\n"
                                     "\t\t");
const QString kBetween = QStringLiteral("\r\n\t\t");
const QString kTail = QStringLiteral("\r\n\t</body>\r\n</html>");

QString pictureParagraph(const OverviewContent& content)
{
    return QStringLiteral("<p align=\"center\"><img src=\"") + content.link + QStringLiteral("\" width=\"")
           + content.width + QStringLiteral("\" height=\"") + content.height + QStringLiteral("\"></p>");
}

QString descriptionParagraph(const OverviewContent& content)
{
    return QStringLiteral("<p>") + content.text + QStringLiteral("</p>");
}

} // namespace

QString overviewPage(const OverviewContent& content)
{
    if (content.picture && content.description)
        return kHead + pictureParagraph(content) + kBetween + descriptionParagraph(content) + kTail;
    if (content.picture)
        return kHead + pictureParagraph(content) + kTail;
    if (content.description)
        return kHead + descriptionParagraph(content) + kTail;
    return QString();
}

} // namespace saltor
