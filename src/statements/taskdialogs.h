#pragma once

namespace saltor {

class Editor;

// Makes the task statement dialogs known to showDialog: createSimpleTask, the five two-field
// dialogs, setTaskState and taskHint.
void registerTaskDialogs(Editor& editor);

} // namespace saltor
