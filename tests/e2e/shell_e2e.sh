#!/usr/bin/env bash
# The commands of Main's own menus by keyboard only: Find through its input box followed by a
# typed edit of the selection, Add note (typed and cancelled), Add date mark, the Addcomment
# dialog, the About box (Esc does nothing, a click on its picture closes it); where Main and
# its dialogs stand, and Main brought back from minimised when a dialog closes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
trap e2e_stop EXIT
e2e_start "$1"
e2e_doc_start

# Edit menu items: 0 Select All, 1 Clear, 2 Cut, 3 Copy, 4 Paste, 5 Find.
# Comments menu items: 0 Add note, 1 Add comment, 2 Add date mark. Help: 0 Contents, 1 About.

# The document has the focus at start.
e2e_keys ctrl+End
e2e_type 'tsk1 = player createSimpleTask ["Seize Guglovo"];'
e2e_keys Return
e2e_type 'player setCurrentTask tsk1;'
e2e_keys Return

# Find ignores case and selects the last occurrence; typing replaces the selection.
e2e_menu e 5
box="$(e2e_box)"
e2e_type "TSK1"
e2e_keys Return
e2e_box_closed "$box"
e2e_type "tsk2"
e2e_doc_add 'tsk1 = player createSimpleTask ["Seize Guglovo"];\r\nplayer setCurrentTask tsk2;\r\n'

# Find left with Esc searches for the empty text: the caret goes to the end of the document.
e2e_keys ctrl+Home
e2e_menu e 5
box="$(e2e_box)"
e2e_type "junk"
e2e_keys Escape
e2e_box_closed "$box"
e2e_type "//end-of-document"
e2e_keys Return
e2e_doc_add '//end-of-document\r\n'
e2e_doc_check find

e2e_menu c 0
box="$(e2e_box)"
e2e_type "Seize the bridge"
e2e_keys Return
e2e_box_closed "$box"
e2e_doc_add '// Seize the bridge\r\n'

# Add note left with Esc still appends the note's opener alone; the document keeps the focus.
e2e_menu c 0
box="$(e2e_box)"
e2e_type "junk"
e2e_keys Escape
e2e_box_closed "$box"
e2e_doc_add '// \r\n'
e2e_write_on "after-Esc-in-Add-note"

# Add date mark: today as mm-dd-yyyy.
day_before="$(date +%m-%d-%Y)"
e2e_menu c 2
sleep 0.3
day_after="$(date +%m-%d-%Y)"
[ "$day_before" = "$day_after" ] || echo "midnight passed during Add date mark; the later day is expected"
e2e_doc_add "// $day_after\\r\\n"
e2e_doc_check notes

# Addcomment: its box is multi-line (Return starts a new line), Tab goes on to Add. Main and
# the dialog stand centred by their whole frames, title bar included: Main on the screen, the
# dialog on Main. Main minimised meanwhile comes back, restored and active, when the dialog closes.
e2e_check_centred "Main on the screen" "$MAIN_WINDOW" "$(e2e_workarea)"
e2e_menu c 1
comment="$(e2e_dialog "Add comment")"
e2e_check_centred "Add comment on Main" "$comment" "$(e2e_frame "$MAIN_WINDOW")"
e2e_type "junk"
xdotool windowminimize --sync "$MAIN_WINDOW"
e2e_wait_active "$comment"
e2e_keys Escape
e2e_wait_gone '^Add comment$'
if ! e2e_wait_restored "$MAIN_WINDOW"; then
    e2e_fail "Main minimised while Add comment was open did not come back when it closed"
    xdotool windowactivate --sync "$MAIN_WINDOW" > /dev/null 2>&1 || true
    e2e_wait_active "$MAIN_WINDOW"
fi
e2e_write_on "after-Esc-in-Addcomment"

e2e_menu c 1
e2e_dialog "Add comment" > /dev/null
e2e_type "First line"
e2e_keys Return
e2e_type "second line"
e2e_tab 1
e2e_keys space
e2e_closed "Add comment"
e2e_doc_add '/* First line\r\nsecond line */\r\n'

# About: no title bar and no key; Esc leaves it open, a click on its picture closes it. Its
# picture covers the whole box: no pixel of its pure red ground shows.
e2e_menu h 1
about="$(e2e_wait_window '^About Saltor Editor$')"
sleep 0.3
e2e_keys Escape
sleep 0.5
if e2e_visible "$about"; then
    red="$(e2e_count_colour "$about" '#FF0000')"
    [ "$red" = 0 ] || e2e_fail "the About box shows $red pixels of its red ground"
    e2e_click "$about" 40 40
    e2e_wait_gone '^About Saltor Editor$'
    e2e_wait_active "$MAIN_WINDOW"
else
    e2e_fail "Esc closed the About box"
fi
e2e_write_on "after-About"
e2e_doc_check comments-and-about

e2e_finish
