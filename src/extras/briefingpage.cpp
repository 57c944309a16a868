#include "extras/briefingpage.h"

namespace saltor {

namespace {

const QString kHead = QStringLiteral("<html>\r\n"
                                     "<head>\r\n"
                                     "\t<title>Briefing</title>\r\n"
                                     "</head>\r\n"
                                     "<body>\r\n"
                                     "\r\n"
                                     "<!-- Notes -->\r\n"
                                     "\t<h2><a name=\"Main\"></a></h2>\r\n"
                                     "\t<h6></h6>\r\n"
                                     "\t<hr />\r\n"
                                     "\r\n"
                                     "<!-- Briefing -->\r\n"
                                     "\t<h2><a name=\"Plan\"></a></h2>\r\n"
                                     "\t<hr />\r\n"
                                     "\r\n"
                                     "<!-- Debriefing -->\r\n");

// Ends the current line and indents the next one: a following block starts after this TAB.
const QString kInactivePiece = QStringLiteral("\r\n\t");
const QString kTail = QStringLiteral("\r\n</body>\r\n</html>");

constexpr const char* kAnchors[kBriefingSectionCount] = {
    "Debriefing:End1", "Debriefing:End2", "Debriefing:End3", "Debriefing:End4",
    "Debriefing:End5", "Debriefing:End6", "Debriefing:Loose",
};

QString sectionBlock(const char* anchor, const BriefingSection& section)
{
    return QStringLiteral("<br />\r\n<h2><p><a name=\"") + QLatin1String(anchor) + QStringLiteral("\">")
           + section.title + QStringLiteral("</a></p></h2>\r\n"
                                            "<br />\r\n"
                                            "\t<p>")
           + section.description + QStringLiteral("</p>\r\n"
                                                  "<br />\r\n"
                                                  "<hr />\r\n"
                                                  "\r\n");
}

} // namespace

QString briefingPage(const BriefingSections& sections)
{
    QString page = kHead;
    for (int i = 0; i < kBriefingSectionCount; ++i)
        page += sections[i].active ? sectionBlock(kAnchors[i], sections[i]) : kInactivePiece;
    return page + kTail;
}

} // namespace saltor
