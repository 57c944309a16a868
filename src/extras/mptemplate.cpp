#include "extras/mptemplate.h"

namespace saltor {

namespace {

struct Side {
    const char* caseLabel;
    const char* placeholder;
};

constexpr Side kSides[kMpSideCount] = {
    {"case WEST:", "// briefing code for the BLUFOR"},
    {"case EAST:", "// briefing code for the OPFOR"},
    {"case RESISTANCE:", "// briefing code for the RES"},
    {"case CIVILIAN:", "// briefing code for the CIV"},
};

QString sideBlock(const Side& side)
{
    return QStringLiteral("\t") + QLatin1String(side.caseLabel) + QStringLiteral("\r\n"
                                                                                 "\t\t{\r\n"
                                                                                 "\t\t\t")
           + QLatin1String(side.placeholder) + QStringLiteral("\r\n"
                                                              "\r\n"
                                                              "\t\t};\r\n"
                                                              "\r\n");
}

} // namespace

QString mpTemplate(const QString& unitName, const MpSideTicks& ticked)
{
    QString text = QStringLiteral("// Basic MP briefing template created in Saltor Editor by Tavik\r\n"
                                  "\r\n"
                                  "switch (side ")
                   + unitName + QStringLiteral(") do {\r\n\r\n");
    for (int i = 0; i < kMpSideCount; ++i)
        if (ticked[i])
            text += sideBlock(kSides[i]);
    return text + QStringLiteral("};\r\n");
}

} // namespace saltor
