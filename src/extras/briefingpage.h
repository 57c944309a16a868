#pragma once

#include <QString>

#include <array>

namespace saltor {

// One debriefing section of briefing.html: ticked or not, with its title and description.
// The boxes of a section that is not ticked are not used.
struct BriefingSection {
    bool active = false;
    QString title;
    QString description;
};

// The sections in page order: End1 to End6, then Loose.
constexpr int kBriefingSectionCount = 7;
using BriefingSections = std::array<BriefingSection, kBriefingSectionCount>;

// The text of briefing.html: the sixteen-line head (anchors Main and Plan), then per section
// its seven-line block when active or CRLF and TAB when not, then the tail; the text ends with
// "</html>". Titles and descriptions go in exactly as given (no escaping, no trimming).
QString briefingPage(const BriefingSections& sections);

} // namespace saltor
