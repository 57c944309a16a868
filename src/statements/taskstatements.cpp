#include "statements/taskstatements.h"

namespace saltor {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString createSimpleTaskStatement(const QString& taskName, const QString& taskUnit,
                                  const QString& taskDescription)
{
    return taskName + QStringLiteral(" = ") + taskUnit + QStringLiteral(" createSimpleTask [\"")
           + taskDescription + QStringLiteral("\"];") + kCrLf;
}

QString twoFieldStatement(const QString& first, const QString& middle, const QString& second,
                          const QString& end)
{
    return first + middle + second + end + kCrLf;
}

QString setTaskStateStatement(const QString& taskName, const QString& taskStatus)
{
    return taskName + QStringLiteral(" setTaskState ") + taskStatus + QStringLiteral(";") + kCrLf;
}

QString taskHintStatement(const QString& hintText, const QString& red, const QString& green,
                          const QString& blue, const QString& alpha, const QString& icon)
{
    const QString comma = QStringLiteral(", ");
    return QStringLiteral("taskHint [\"") + hintText + QStringLiteral("\", [") + red + comma + green
           + comma + blue + comma + alpha + QStringLiteral("], \"") + icon + QStringLiteral("\"]; ")
           + kCrLf;
}

} // namespace saltor
