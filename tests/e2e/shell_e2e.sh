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

# shows_picture "X Y W H": the screen shows the About picture there, a dark map; until it is
# drawn, the light colours of Main behind it show. The average colour goes to E2E_SEEN.
shows_picture() {
    local x y w h average r g b
    read -r x y w h <<< "$1"
    import -window root "$WORK/screen.png" || return 1
    average="$(convert "$WORK/screen.png" -crop "${w}x$h+$x+$y" +repage -scale '1x1!' \
        -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)" || return 1
    read -r r g b <<< "$average"
    E2E_SEEN="an average colour of $r, $g, $b"
    [ "$r" -lt 128 ] && [ "$g" -lt 128 ] && [ "$b" -lt 128 ]
}

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

# Add date mark: today as mm-dd-yyyy. The mark is made after the date is first read and before
# the Save As that follows opens; should midnight pass meanwhile, either day is right.
day_before="$(date +%m-%d-%Y)"
e2e_menu c 2
e2e_doc_save notes
day_after="$(date +%m-%d-%Y)"
day="$day_before"
if [ "$day_after" != "$day_before" ] && grep -qF "// $day_after" "$E2E_DOC_PATH"; then
    day="$day_after"
fi
e2e_doc_add "// $day\\r\\n"
e2e_doc_compare notes

# Addcomment: its box is multi-line (Return starts a new line), Tab goes on to Add. Main and
# the dialog stand centred by their whole frames, title bar included: Main on the screen, the
# dialog on Main. Main minimised meanwhile comes back, restored and active, when the dialog closes.
workarea="$(e2e_workarea)"
e2e_check_centred "Main on the screen" "$MAIN_WINDOW" "$workarea"
e2e_menu c 1
comment="$(e2e_dialog "Add comment")"
main_frame="$(e2e_frame "$MAIN_WINDOW")"
e2e_check_centred "Add comment on Main" "$comment" "$main_frame"
e2e_type "junk"
e2e_minimise "$MAIN_WINDOW"
e2e_wait_active "$comment"
e2e_keys Escape
e2e_wait_gone '^Add comment$'
if ! e2e_wait_restored "$MAIN_WINDOW"; then
    e2e_fail "Main minimised while Add comment was open did not come back when it closed"
    xdotool windowactivate "$MAIN_WINDOW" > /dev/null 2>&1 || true
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
about="$(e2e_dialog "About Saltor Editor")"
about_frame="$(e2e_frame "$about")"
e2e_until "the About box to show its picture" shows_picture "$about_frame"
e2e_keys Escape
# The check is that Esc does nothing: this is the time the box has to close, should Esc close it.
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
