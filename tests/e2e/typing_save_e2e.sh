#!/usr/bin/env bash
# A person types into the document, saves it through the real file dialog, opens a file,
# tries to drag its text about, saves it again, types letters with dead keys, selects, and exits.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
trap e2e_stop EXIT
e2e_start "$1"

# The caret starts at the top of the document: go to its end and type a statement.
e2e_keys ctrl+End
e2e_type "tsk1 = player createSimpleTask [\"Seize Guglovo\"];"
e2e_keys Return
e2e_save_as "$WORK/typed briefing.sqf"
e2e_expect_file "$WORK/typed briefing.sqf" \
    '// Created in Saltor Editor by Tavik\r\ntsk1 = player createSimpleTask ["Seize Guglovo"];\r\n'

# Save again under the same name: the replacement is confirmed (Yes is the default answer).
e2e_keys BackSpace BackSpace
e2e_save_as "$WORK/typed briefing.sqf"
replacing="$(e2e_wait_window '^Replacing \.\.\.$')"
e2e_wait_active "$replacing"
e2e_keys Return
e2e_wait_gone '^Replacing \.\.\.$'
e2e_expect_file "$WORK/typed briefing.sqf" \
    '// Created in Saltor Editor by Tavik\r\ntsk1 = player createSimpleTask ["Seize Guglovo"]'

# A file with mixed line ends, opened through the real Open dialog. Selected text is dragged
# with the mouse onto a later line, twice: the first line, pressed on its letters, and the first
# two lines, pressed far right of the second (where a press still lands in the selection). The
# document takes no drop of its own text (a move there would turn every line end in between
# into the default one), so the file saved under another name is byte-identical.
printf 'aaaa\r\nbc\nd\r\nef\ngh' > "$WORK/mixed.sqf"
e2e_keys ctrl+o
open_dialog="$(e2e_wait_window '^Open$')"
xdotool windowactivate "$open_dialog" > /dev/null 2>&1 || true
e2e_wait_active "$open_dialog"
e2e_keys ctrl+a
e2e_type "$WORK/mixed.sqf"
e2e_keys Return
e2e_wait_gone '^Open$'
e2e_wait_active "$MAIN_WINDOW"
# drag X Y TO-X TO-Y: a press at X,Y inside Main's client area, ten moves at a hand's pace to
# TO-X,TO-Y, a release. Lines of the document stand 13 pixels apart, the first at y 56. The
# check is that nothing happens, so the last pause gives a drop that should not be there the
# time to land.
drag() {
    local step
    xdotool mousemove --window "$MAIN_WINDOW" "$1" "$2" mousedown 1
    sleep 0.2
    for step in $(seq 10); do
        xdotool mousemove --window "$MAIN_WINDOW" $(($1 + ($3 - $1) * step / 10)) $(($2 + ($4 - $2) * step / 10))
        sleep 0.05
    done
    xdotool mouseup 1
    xdotool mousemove 0 0
    sleep 0.3
}
e2e_keys ctrl+Home shift+End
drag 225 56 255 106
e2e_keys ctrl+Home shift+Down shift+End
drag 600 69 225 95
e2e_save_as "$WORK/mixed copy.sqf"
e2e_expect_file "$WORK/mixed copy.sqf" 'aaaa\r\nbc\nd\r\nef\ngh'

# Dead keys reach the document as input-method events: an acute on the first line and a caron
# on the second keep every line end where it stands. (xdotool lends a spare keycode to each
# dead key it presses.)
e2e_keys ctrl+Home dead_acute e Down dead_caron c
e2e_save_as "$WORK/accented.sqf"
e2e_expect_file "$WORK/accented.sqf" '\303\251aaaa\r\nb\304\215c\nd\r\nef\ngh'

# The X11 selection, as another program reads it, holds each line's own line end too.
e2e_keys ctrl+Home shift+Down shift+Down
printf '\303\251aaaa\r\nb\304\215c\n' > "$WORK/expected-primary"
primary_holds_the_lines() {
    xclip -o -selection primary > "$WORK/primary" 2> /dev/null || true
    e2e_same_bytes "$WORK/primary" "$WORK/expected-primary"
}
if ! e2e_until "the X11 selection to hold the first two lines" primary_holds_the_lines; then
    echo "FAIL: the X11 selection holds other bytes"
    od -c "$WORK/primary" | head -n 10
    exit 1
fi

# Exit through the File menu; Yes is the default answer.
e2e_keys alt+f x
exiting="$(e2e_wait_window '^Exiting \.\.\.$')"
e2e_wait_active "$exiting"
e2e_keys Return
editor_ended() { ! kill -0 "$EDITOR_PID" 2> /dev/null; }
if ! e2e_until "the editor to end after Exit" editor_ended; then
    echo "FAIL: the editor did not end after Exit"
    exit 1
fi
status=0
wait "$EDITOR_PID" || status=$?
if [ "$status" != 0 ]; then
    echo "FAIL: the editor ended with status $status after Exit"
    exit 1
fi
echo "PASS"
