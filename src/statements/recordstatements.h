#pragma once

#include <QString>

namespace saltor {

// The statements of the diary record and task description dialogs. Every value goes in
// exactly as typed (nothing trimmed or escaped, CRLF line breaks kept); each statement ends
// with CRLF.

// unitName createDiaryRecord ["Diary", "description"];
QString diaryRecordStatement(const QString& unitName, const QString& description);

// unitName createDiaryRecord ["Diary", ["section", "description"]];
QString diaryRecordSectionStatement(const QString& unitName, const QString& section,
                                    const QString& description);

// taskName setSimpleTaskDescription ["description", "title", "waypoint"];
QString taskDescriptionStatement(const QString& taskName, const QString& description,
                                 const QString& title, const QString& waypoint);

} // namespace saltor
