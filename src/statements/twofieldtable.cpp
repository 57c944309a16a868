#include "statements/twofieldtable.h"

namespace saltor {

namespace {

constexpr TwoFieldPosition kUpper = TwoFieldPosition::Upper;
constexpr TwoFieldPosition kLower = TwoFieldPosition::Lower;

constexpr std::array<TwoFieldRow, 5> kRows = {{
    {"setCurrentTask",
     {"unitName", "Label1", "Name of the unit:", "Label3", "Example: player"},
     {"taskName", "Label2", "Name of the task created by command createSimpleTask:", "Label4",
      "Example: tsk1, taskObj1, obj1"},
     "SetButton", "Set", "Add formated code for command setCurrentTask into the preview code window",
     kUpper, " setCurrentTask ", kLower, ";", false},
    {"setSimpleTaskDestination",
     {"taskName", "Label1", "Name of the task:", "Label5", "Example: tsk1, taskObj1, obj1"},
     {"markerName", "Label3", "Marker name:", "Label6", "Example: markerOBJ1, enemyBase ... etc."},
     "AddButton", "Set", "Adds formated code for command setSimpleTaskDestination into the preview code window",
     kUpper, " setSimpleTaskDestination (getMarkerPos \"", kLower, "\");", true},
    {"removeSimpleTask",
     {"unitName", "Label1", "Name of the unit:", "Label3", "Example: player"},
     {"taskName", "Label2", "Name of the task to be deleted:", "Label4", "Example: tsk1, taskObj1, obj1"},
     "SetButton", "Set", "Add formated code for command removeSimpleTask into the preview code window",
     kUpper, " removeSimpleTask ", kLower, ";", false},
    {"taskState",
     {"taskName", "Label6", "Name of the checked task:", "Label4", "Example: tsk1, taskObj1, obj1"},
     {"variable", "Label1", "Name of the variable:", "Label2", "Example: getStatus"},
     "GetButton", "Get", "Add formated code for command taskState into the preview code window",
     kLower, " = taskState ", kUpper, ";", false},
    {"currentTask",
     {"unitName", "Label6", "Name of the unit:", "Label4", "Example: player"},
     {"variable", "Label1", "Name of the variable:", "Label2", "Example: getCurrent"},
     "GetButton", "Get", "Adds formated code for command currentTask into the preview code window",
     kLower, " = currentTask ", kUpper, ";", false},
}};

} // namespace

const std::array<TwoFieldRow, 5>& twoFieldRows()
{
    return kRows;
}

const TwoFieldRow* twoFieldRow(const QString& form)
{
    for (const TwoFieldRow& row : kRows)
        if (form == QLatin1String(row.form))
            return &row;
    return nullptr;
}

} // namespace saltor
