#include "statements/recordstatements.h"

namespace saltor {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString diaryRecordStatement(const QString& unitName, const QString& description)
{
    return unitName + QStringLiteral(" ") + QStringLiteral("createDiaryRecord [\"Diary\", \"") + description
           + QStringLiteral("\"];") + kCrLf;
}

QString diaryRecordSectionStatement(const QString& unitName, const QString& section,
                                    const QString& description)
{
    return unitName + QStringLiteral(" ") + QStringLiteral("createDiaryRecord [\"Diary\", [\"") + section
           + QStringLiteral("\", \"") + description + QStringLiteral("\"]];") + kCrLf;
}

QString taskDescriptionStatement(const QString& taskName, const QString& description,
                                 const QString& title, const QString& waypoint)
{
    return taskName + QStringLiteral(" setSimpleTaskDescription [\"") + description + QStringLiteral("\", \"")
           + title + QStringLiteral("\", \"") + waypoint + QStringLiteral("\"];") + kCrLf;
}

} // namespace saltor
