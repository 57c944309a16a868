#include "shell/dialogsettings.h"

#include <QHash>

namespace saltor {

namespace {

struct Row {
    const char* form;
    const char* caption;
    bool inTaskbar;
    StartPosition position;
    int width;
    int height;
};

constexpr StartPosition kOwner = StartPosition::CentreOwner;
constexpr StartPosition kScreen = StartPosition::CentreScreen;

constexpr Row kRows[] = {
    {"createDiaryRecord", "createDiaryRecord", true, kOwner, 7215, 6615},
    {"createSimpleTask", "createSimpleTask", true, kOwner, 6495, 2895},
    {"setSimpleTaskDescription", "setSimpleTaskDescription", true, kOwner, 6495, 6615},
    {"setCurrentTask", "setCurrentTask", false, kOwner, 3375, 3135},
    {"Addcomment", "Add comment", false, kOwner, 6975, 2655},
    {"setSimpleTaskDestination", "setSimpleTaskDestination", false, kScreen, 3735, 2895},
    {"sub_addMarker", "Add marker", false, kScreen, 4095, 3855},
    {"task_addMarker", "Add marker", false, kScreen, 4095, 3855},
    {"sub_addPicture", "Add picture", false, kScreen, 3735, 2895},
    {"task_addPicture", "Add picture", false, kScreen, 3735, 2895},
    {"setTaskState", "setTaskState", false, kScreen, 3375, 4335},
    {"removeSimpleTask", "removeSimpleTask", false, kScreen, 3375, 3015},
    {"taskHint", "taskHint", false, kScreen, 5175, 5535},
    {"taskState", "taskState", false, kScreen, 3855, 2895},
    {"currentTask", "currentTask", false, kScreen, 3855, 2895},
    {"overview", "Saltor Editor - Overview generator", true, kScreen, 4815, 5655},
    {"debriefing", "Saltor Editor - Debriefing generator", false, kScreen, 5385, 4230},
    {"MP_template", "Saltor Editor - MP template generator", false, kScreen, 3015, 3975},
};

QHash<QString, WindowSettings> buildTable()
{
    QHash<QString, WindowSettings> table;
    for (const Row& row : kRows)
        table.insert(QLatin1String(row.form),
                     WindowSettings{QLatin1String(row.caption), row.inTaskbar, row.position, row.width, row.height});
    return table;
}

} // namespace

const WindowSettings& dialogSettings(const QString& formName)
{
    static const QHash<QString, WindowSettings> table = buildTable();
    const auto it = table.constFind(formName);
    if (it == table.constEnd())
        qFatal("no window settings for the form %s", qPrintable(formName));
    return *it;
}

} // namespace saltor
