#!/usr/bin/env bash
# The two host dialogs (createDiaryRecord, setSimpleTaskDescription) with their inline markup
# dialogs, by keyboard only: markers and pictures added into the description, Esc in every
# markup dialog (the host box stays as it was), Esc in the hosts, a refused markup, a record
# without its section; the saved document holds exactly the statements.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
trap e2e_stop EXIT
e2e_start "$1"
e2e_doc_start

# When a markup dialog closes, its host takes the focus back on the button that opened it;
# the steps below count their Tabs from there.

# createDiaryRecord, tab order: unitName, recordPart, recordDescription, addMarkerButton,
# addLineBreakButton, addPictureButton, AddButton, CancelButton, Check.
e2e_menu r 0
e2e_dialog createDiaryRecord > /dev/null
e2e_type "junk"
e2e_keys Escape
e2e_closed createDiaryRecord
e2e_write_on "after-Esc-in-createDiaryRecord"

e2e_menu r 0
host="$(e2e_dialog createDiaryRecord)"
e2e_type "player"
e2e_tab 1
e2e_type "Recon"
e2e_tab 1
e2e_type "Our recon observed "
e2e_tab 1
e2e_keys space
marker="$(e2e_dialog "Add marker")"
# A click on the disabled Main brings the markup dialog back with its host right behind it,
# both above Main; a minimised host comes back too.
e2e_click "$MAIN_WINDOW" 5 5
e2e_stacked "$MAIN_WINDOW" "$host" "$marker" || e2e_fail "a click on Main left the host behind it"
e2e_wait_active "$marker"
e2e_minimise "$host"
e2e_click "$MAIN_WINDOW" 5 5
e2e_stacked "$MAIN_WINDOW" "$host" "$marker" || e2e_fail "a click on Main left the minimised host behind it"
e2e_visible "$host" || e2e_fail "a click on Main left the host minimised"
e2e_wait_active "$marker"
e2e_type "junk"
e2e_keys Escape
e2e_closed "Add marker" "$host"

e2e_keys space
e2e_dialog "Add marker" > /dev/null
e2e_type "enemyBase"
e2e_tab 1
e2e_type "here is"
e2e_keys Return
e2e_type "the enemy base"
e2e_tab 1
e2e_keys space
e2e_closed "Add marker" "$host"

# Add line break, then Add picture next to it.
e2e_tab 1
e2e_keys space
e2e_tab 1
e2e_keys space
e2e_dialog "Add picture" > /dev/null
e2e_type "junk"
e2e_keys Escape
e2e_closed "Add picture" "$host"

# An empty height is refused; the dialog stays open with the focus on Add.
e2e_keys space
picture="$(e2e_dialog "Add picture")"
e2e_type "myPicture.paa"
e2e_tab 1
e2e_type "256"
e2e_tab 2
e2e_keys space
box="$(e2e_box)"
e2e_keys Return
e2e_box_closed "$box" "$picture"
e2e_visible "$picture" || e2e_fail "Add picture closed after the refused Add"
e2e_backtab 1
e2e_type "128"
e2e_tab 1
e2e_keys space
e2e_closed "Add picture" "$host"

e2e_tab 1
e2e_keys space
e2e_closed createDiaryRecord
e2e_doc_add 'player createDiaryRecord ["Diary", ["Recon", "Our recon observed <marker name=""enemyBase"">here is\r\nthe enemy base</marker> <br /><img image=""myPicture.paa"" width=""256"" height=""128"" /> "]];\r\n'

# Without its section: Check (last in the tab order) unticked, the section name typed before
# stays out of the statement; the description typed over two lines.
e2e_menu r 0
e2e_dialog createDiaryRecord > /dev/null
e2e_type "player"
e2e_tab 1
e2e_type "Ignored"
e2e_backtab 2
e2e_keys space
# On from Check: unitName, then recordDescription (the switched-off recordPart is passed over).
e2e_tab 2
e2e_type "Line one"
e2e_keys Return
e2e_type "Line two"
e2e_tab 4
e2e_keys space
e2e_closed createDiaryRecord
e2e_doc_add 'player createDiaryRecord ["Diary", "Line one\r\nLine two"];\r\n'
e2e_doc_check createDiaryRecord

# setSimpleTaskDescription, tab order: taskName, taskNameText, taskDescription, waypointName,
# addMarkerButton, addLineBreakButton, addPictureButton, AddButton, CancelButton.
e2e_menu r 3
e2e_dialog setSimpleTaskDescription > /dev/null
e2e_type "junk"
e2e_keys Escape
e2e_closed setSimpleTaskDescription
e2e_write_on "after-Esc-in-setSimpleTaskDescription"

e2e_menu r 3
host="$(e2e_dialog setSimpleTaskDescription)"
e2e_type "tsk1"
e2e_tab 1
e2e_type "Primary objective"
e2e_tab 1
e2e_type "Be quick and precise! "
e2e_tab 1
e2e_type "To target zone"
e2e_tab 1
e2e_keys space
e2e_dialog "Add marker" > /dev/null
e2e_type "junk"
e2e_keys Escape
e2e_closed "Add marker" "$host"

e2e_keys space
e2e_dialog "Add marker" > /dev/null
e2e_type "enemyBase"
e2e_tab 1
e2e_type "here is the enemy base"
e2e_tab 1
e2e_keys space
e2e_closed "Add marker" "$host"

e2e_tab 2
e2e_keys space
e2e_dialog "Add picture" > /dev/null
e2e_type "junk"
e2e_keys Escape
e2e_closed "Add picture" "$host"

e2e_keys space
e2e_dialog "Add picture" > /dev/null
e2e_type "target.paa"
e2e_tab 1
e2e_type "512"
e2e_tab 1
e2e_type "256"
e2e_tab 1
e2e_keys space
e2e_closed "Add picture" "$host"

# Add line break (before Add picture), then Add (two on).
e2e_backtab 1
e2e_keys space
e2e_tab 2
e2e_keys space
e2e_closed setSimpleTaskDescription
e2e_doc_add 'tsk1 setSimpleTaskDescription ["Be quick and precise! <marker name=""enemyBase"">here is the enemy base</marker> <img image=""target.paa"" width=""512"" height=""256"" /> <br />", "Primary objective", "To target zone"];\r\n'
e2e_doc_check setSimpleTaskDescription

e2e_finish
