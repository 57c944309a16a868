#pragma once

#include <QString>

namespace saltor {

// What the overview page is made of: the two options and the boxes' texts. A box whose
// option is off is not used.
struct OverviewContent {
    bool picture = false;
    bool description = false;
    QString link;
    QString width;
    QString height;
    QString text;
};

// The text of overview.html: head, the picture paragraph and/or the description paragraph,
// tail; lines end in CRLF, the text ends with "</html>". Values go in exactly as given (no
// escaping, no trimming). With neither option the page is the empty text.
QString overviewPage(const OverviewContent& content);

} // namespace saltor
