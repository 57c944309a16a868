#pragma once

#include <QString>

namespace saltor {

// The statements the task dialogs append to the document. Values go in exactly as given:
// nothing is trimmed, escaped or checked, and a multi-line value keeps its CRLF breaks.
// Every statement ends with CRLF.

// name = unit createSimpleTask ["description"];
QString createSimpleTaskStatement(const QString& taskName, const QString& taskUnit,
                                  const QString& taskDescription);

// The statement of a two-field dialog: first, middle, second and end joined as they stand.
QString twoFieldStatement(const QString& first, const QString& middle, const QString& second,
                          const QString& end);

// name setTaskState state; where state is the quoted state text ("\"Created\"").
QString setTaskStateStatement(const QString& taskName, const QString& taskStatus);

// taskHint ["hint", [red, green, blue, alpha], "icon"]; with one blank before the CRLF.
QString taskHintStatement(const QString& hintText, const QString& red, const QString& green,
                          const QString& blue, const QString& alpha, const QString& icon);

} // namespace saltor
