#pragma once

#include <QDate>
#include <QString>

namespace saltor {

// The comment pieces the Comments commands append; each ends with CRLF and carries its
// text exactly as typed (nothing trimmed or escaped).

// "// " + text + CRLF: the Add note line.
QString noteComment(const QString& text);
// "// " + the date as MM-dd-yyyy + CRLF, the same whatever the regional settings.
QString dateMarkComment(const QDate& date);
// "/* " + text + " */" + CRLF: the block comment of the Addcomment dialog; text keeps its
// CRLF line breaks.
QString blockComment(const QString& text);

} // namespace saltor
