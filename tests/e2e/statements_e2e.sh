#!/usr/bin/env bash
# The statement dialogs of the Records and Functions menus, by keyboard only: each is opened
# from its menu, left with Esc (the document then takes typing again), opened again, filled
# through its tab order and confirmed; the saved document holds exactly the statements.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
trap e2e_stop EXIT
e2e_start "$1"
e2e_doc_start

# Records menu items: 0 createDiaryRecord, 1 createSimpleTask, 2 removeSimpleTask,
# 3 setSimpleTaskDescription, 4 setSimpleTaskDestination, 5 setCurrentTask, 6 setTaskState.
# Functions menu items: 0 taskHint, 1 taskState, 2 currentTask.

# e2e_escape_dialog KEY INDEX TITLE: opens the dialog, types into its first field, leaves it
# with Esc and writes on in the document.
e2e_escape_dialog() {
    e2e_menu "$1" "$2" || return 1
    e2e_dialog "$3" > /dev/null || return 1
    e2e_type "typed before Esc" || return 1
    e2e_keys Escape || return 1
    e2e_closed "$3" || return 1
    e2e_write_on "after-Esc-in-$3"
}

# e2e_two_fields KEY INDEX TITLE UPPER LOWER: the two-field dialogs: both fields, then the
# action button (next in the tab order) pressed with space.
e2e_two_fields() {
    e2e_escape_dialog "$1" "$2" "$3" || return 1
    e2e_menu "$1" "$2" || return 1
    e2e_dialog "$3" > /dev/null || return 1
    e2e_type "$4" || return 1
    e2e_tab 1 || return 1
    e2e_type "$5" || return 1
    e2e_tab 1 || return 1
    e2e_keys space || return 1
    e2e_closed "$3"
}

# createSimpleTask: an empty description is refused with a message box, the dialog stays open
# with what was typed; after the description is filled in, Create appends the statement.
e2e_escape_dialog r 1 createSimpleTask
e2e_menu r 1
dialog="$(e2e_dialog createSimpleTask)"
e2e_type "tsk1"
e2e_tab 1
e2e_type "player"
e2e_tab 2
e2e_keys space
box="$(e2e_box)"
e2e_keys Return
e2e_box_closed "$box" "$dialog"
e2e_visible "$dialog" || e2e_fail "createSimpleTask closed after the refused Create"
# The focus is back on Create: the description is the field before it.
e2e_backtab 1
e2e_type "Primary task: Seize Guglovo"
e2e_tab 1
e2e_keys space
e2e_closed createSimpleTask
e2e_doc_add 'tsk1 = player createSimpleTask ["Primary task: Seize Guglovo"];\r\n'
e2e_doc_check createSimpleTask

e2e_two_fields r 2 removeSimpleTask "player" "tsk1"
e2e_doc_add 'player removeSimpleTask tsk1;\r\n'
e2e_two_fields r 4 setSimpleTaskDestination "tsk1" "markerOBJ1"
e2e_doc_add 'tsk1 setSimpleTaskDestination (getMarkerPos "markerOBJ1");\r\n'
e2e_two_fields r 5 setCurrentTask " player" "tsk1"
e2e_doc_add ' player setCurrentTask tsk1;\r\n'
e2e_doc_check two-field-records

e2e_two_fields u 1 taskState "tsk1" "getStatus"
e2e_doc_add 'getStatus = taskState tsk1;\r\n'
e2e_two_fields u 2 currentTask "player" "getCurrent"
e2e_doc_add 'getCurrent = currentTask player;\r\n'
e2e_doc_check two-field-functions

# setTaskState: tab order taskName, Set, Cancel, then the selected option of the state group;
# the arrows move the selection (Failed, then back up to Assigned: the last one wins).
e2e_escape_dialog r 6 setTaskState
e2e_menu r 6
e2e_dialog setTaskState > /dev/null
e2e_type "tsk1"
e2e_tab 3
e2e_keys Down Down Down Up Up
e2e_backtab 2
e2e_keys space
e2e_closed setTaskState
e2e_doc_add 'tsk1 setTaskState "Assigned";\r\n'
# Opened again it starts from "Created (default)".
e2e_menu r 6
e2e_dialog setTaskState > /dev/null
e2e_type "tsk2"
e2e_tab 1
e2e_keys space
e2e_closed setTaskState
e2e_doc_add 'tsk2 setTaskState "Created";\r\n'
e2e_doc_check setTaskState

# taskHint. Tab order: hintText, Default, Manual, the selected icon, Add, Cancel, "<br />",
# the selected colour, the four component boxes (while Manual), then the icons after the
# selected one; Tab passes over the options of a group that are not selected.
e2e_escape_dialog u 0 taskHint

# Default mode: "<br />" after the hint, the Green preset, the Done icon.
e2e_menu u 0
e2e_dialog taskHint > /dev/null
e2e_type "TASK FAILED !"
e2e_tab 6
e2e_keys space
e2e_tab 1
e2e_keys Down
# From Green on, past the disabled boxes and the icons not selected, round to hintText, then
# Default, Manual and the New icon.
e2e_tab 4
e2e_keys Down Down
# From Done round to hintText, Default, Manual; New is no longer selected, so Add follows.
e2e_tab 4
e2e_keys space
e2e_closed taskHint
e2e_doc_add 'taskHint ["TASK FAILED !<br />", [0, 1, 0, 1], "taskDone"]; \r\n'

# Manual mode: the four components typed, the Canceled icon (keyword taskFailed).
e2e_menu u 0
e2e_dialog taskHint > /dev/null
e2e_type "Enemy units"
e2e_tab 2
e2e_keys space
e2e_tab 1
e2e_keys Down Down Down Down
# Back from Canceled, past the icons not selected, to the component boxes.
e2e_backtab 4
for component in 0.5 0.25 0 0.8; do
    e2e_keys ctrl+a
    e2e_type "$component"
    e2e_tab 1
done
# From Canceled round to hintText, Default, Manual; New is not selected, so Add follows.
e2e_tab 4
e2e_keys space
e2e_closed taskHint
e2e_doc_add 'taskHint ["Enemy units", [0.5, 0.25, 0, 0.8], "taskFailed"]; \r\n'
e2e_doc_check taskHint

e2e_finish
