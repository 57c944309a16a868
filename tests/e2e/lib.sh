# Shared steps of the end-to-end suites: a private X server with openbox, the editor started
# in it, keyboard input through xdotool. Source it after set -euo pipefail, set the trap
# (trap e2e_stop EXIT), then call e2e_start; end with e2e_finish.
#
# How a helper is written. A helper may be called on its own, inside $(...), after || or &&,
# or as the condition of an if; in all but the first, bash ignores errexit for every command
# the helper runs. So a helper never leans on errexit, and never ends the script by chance:
# - It returns 1 on every failure (step || return 1), having said on stderr what failed. The
#   caller decides: a plain call then ends the script, with e2e_where naming the line;
#   `|| e2e_fail ...` records a failed check and goes on.
# - It waits only through e2e_until, which polls a check until a deadline (E2E_WAIT seconds)
#   and fails only then, naming what it waited for and what it saw last. A check runs as the
#   condition of an if, tells by its status whether its condition holds, leaves what it saw in
#   E2E_SEEN, and waits for nothing itself.
# - A command that fails while a condition does not hold yet (xdotool search finding no
#   window, grep finding no line, xprop asked for a property not set yet) is guarded with
#   `|| true` or stands where its status is the answer. Under pipefail a pipeline fails when
#   any of its commands does, `cmd | head -n 1` and `cmd | grep -q` included: read the output
#   into a variable first, and test that.
# - A local is declared apart from its assignment (local x="$(...)" hides the failure), and a
#   helper's output is read as x="$(helper)" || return 1, never through < <(helper) or as
#   another command's argument, where its failure is lost.
# - A fixed sleep stands only where the check is that nothing happens, with a comment saying
#   so; anything else that takes time is waited for by its condition.

E2E_SKIP=77

# A step that fails outright (a window that never comes) ends the script; this says where.
# Inside a command substitution a failing command ends nothing, so it is not reported there.
e2e_where() {
    local i
    [ "$BASH_SUBSHELL" -gt 0 ] && return 0
    echo "stopped at:" >&2
    for ((i = 1; i < ${#FUNCNAME[@]}; i++)); do
        echo "  ${BASH_SOURCE[i]##*/} line ${BASH_LINENO[i - 1]} (${FUNCNAME[i]})" >&2
    done
}
set -E
trap e2e_where ERR

# How long a wait may last before it fails, in whole seconds: a window that comes, goes or takes
# the focus, a file being written, the X server or the window manager starting.
E2E_WAIT="${E2E_WAIT:-20}"
E2E_FAILURES=0

# e2e_until WHAT CHECK [ARG...]: the one way to wait. Runs CHECK ARG... until it succeeds, every
# 0.1 s until E2E_WAIT seconds have passed; then says what it waited for and what the last look
# saw (CHECK leaves that in E2E_SEEN), and fails. E2E_LOOK counts the looks, from 1.
e2e_until() {
    local what="$1" deadline
    shift
    deadline=$((${EPOCHREALTIME//[!0-9]/} + E2E_WAIT * 1000000))
    E2E_LOOK=0
    while :; do
        E2E_LOOK=$((E2E_LOOK + 1))
        E2E_SEEN=""
        if "$@"; then
            return 0
        fi
        [ "${EPOCHREALTIME//[!0-9]/}" -lt "$deadline" ] || break
        sleep 0.1
    done
    echo "waited $E2E_WAIT s for $what; it did not come${E2E_SEEN:+; last seen: $E2E_SEEN}" >&2
    return 1
}

e2e_require() {
    for tool in Xvfb openbox xdotool xprop xwininfo xclip; do
        if ! command -v "$tool" > /dev/null; then
            echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
            exit $E2E_SKIP
        fi
    done
}

# Checks for e2e_start: the X server takes connections (it has written its display number),
# and the window manager runs: it has named its check window, lists the frame extents the
# editor asks for when it places a window, and has published the work area Main is centred on.
e2e_x_ready() {
    local display
    display="$(cat "$WORK/display" 2> /dev/null)" || true
    kill -0 "$XVFB_PID" 2> /dev/null || E2E_SEEN="Xvfb has ended"
    [[ "$display" =~ ^[0-9]+$ ]]
}

e2e_wm_ready() {
    local check supported area
    check="$(xprop -root _NET_SUPPORTING_WM_CHECK 2>&1)" || true
    supported="$(xprop -root _NET_SUPPORTED 2>&1)" || true
    area="$(xprop -root _NET_WORKAREA 2>&1)" || true
    E2E_SEEN="$check; $area; _NET_SUPPORTED "
    if [[ "$supported" == *_NET_REQUEST_FRAME_EXTENTS* ]]; then
        E2E_SEEN+="lists _NET_REQUEST_FRAME_EXTENTS"
    else
        E2E_SEEN+="does not list _NET_REQUEST_FRAME_EXTENTS"
    fi
    kill -0 "$WM_PID" 2> /dev/null || E2E_SEEN="openbox has ended"
    [[ "$check" == *"window id #"* && "$supported" == *_NET_REQUEST_FRAME_EXTENTS* && "$area" == *" = "* ]]
}

# e2e_start EDITOR: starts X, the window manager and the editor; sets WORK, DISPLAY, MAIN_WINDOW.
# Each is started only once the one before it is ready; Main is there, active, and framed.
e2e_start() {
    local editor
    editor="$(realpath "$1")" || return 1
    e2e_require
    WORK="$(mktemp -d)" || return 1
    export HOME="$WORK/home"
    mkdir -p "$HOME" || return 1
    unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
    # -noreset: by default the server resets whenever its last client leaves, and a client
    # connecting meanwhile is turned away; the looks at the root window while openbox starts
    # are such clients.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3> "$WORK/display" \
        2> "$WORK/xvfb.log" &
    XVFB_PID=$!
    if ! e2e_until "Xvfb to take connections" e2e_x_ready; then
        { echo "--- Xvfb output"; tail -n 20 "$WORK/xvfb.log"; } >&2
        return 1
    fi
    export DISPLAY=":$(cat "$WORK/display")"
    openbox > "$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    if ! e2e_until "openbox to manage the screen" e2e_wm_ready; then
        { echo "--- openbox output"; tail -n 20 "$WORK/openbox.log"; } >&2
        return 1
    fi
    # The pointer rests in a corner outside every window, so no tool tip shows up.
    xdotool mousemove 0 0 > /dev/null 2>&1 || true
    (cd "$WORK" && exec "$editor") > "$WORK/editor.log" 2>&1 &
    EDITOR_PID=$!
    MAIN_WINDOW="$(e2e_wait_window '^Saltor Editor$')" || return 1
    xdotool windowactivate "$MAIN_WINDOW" > /dev/null 2>&1 || true
    e2e_wait_active "$MAIN_WINDOW" || return 1
    e2e_frame "$MAIN_WINDOW" > /dev/null
}

# The EXIT trap; safe at any point of e2e_start (set the trap before calling it). When the
# script fails, the editor's own output is shown; E2E_KEEP=1 keeps the work folder.
e2e_stop() {
    local status=$? pid
    if [ "$status" != 0 ]; then
        if [ -n "${EDITOR_PID:-}" ] && ! kill -0 "$EDITOR_PID" 2> /dev/null; then
            echo "the editor is no longer running"
        fi
        if [ -s "${WORK:-}/editor.log" ]; then
            echo "--- editor output"
            tail -n 30 "$WORK/editor.log"
        fi
    fi
    for pid in "${EDITOR_PID:-}" "${WM_PID:-}" "${XVFB_PID:-}"; do
        [ -n "$pid" ] && kill "$pid" 2> /dev/null || true
    done
    wait 2> /dev/null || true
    if [ "${E2E_KEEP:-}" = 1 ]; then
        echo "work folder kept: ${WORK:-}"
    elif [ -n "${WORK:-}" ]; then
        rm -rf "$WORK"
    fi
    return 0
}

# e2e_fail MESSAGE: records a failed check; the script goes on, e2e_finish reports the count.
e2e_fail() {
    echo "FAIL: $*"
    E2E_FAILURES=$((E2E_FAILURES + 1))
}

# e2e_finish: ends the script, failed when any check failed.
e2e_finish() {
    if [ "$E2E_FAILURES" -gt 0 ]; then
        echo "$E2E_FAILURES check(s) failed"
        exit 1
    fi
    echo "PASS"
}

# e2e_windows: the visible windows and their names, for a failure report.
e2e_windows() {
    local id
    echo "visible windows:"
    for id in $(xdotool search --onlyvisible --name '.' 2> /dev/null || true); do
        echo "  $id '$(xdotool getwindowname "$id" 2> /dev/null)'"
    done
    echo "  active: $(xdotool getactivewindow 2> /dev/null)"
}

# e2e_regex TEXT: TEXT as an exact, anchored regular expression.
e2e_regex() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[].[*^$\\()|+?{}]/\\&/g')"
}

# e2e_shown_ids NAME-REGEX: the ids of the visible windows whose name matches, one a line;
# nothing when there is none.
e2e_shown_ids() {
    xdotool search --onlyvisible --name "$1" 2> /dev/null || true
}

# Checks for e2e_until. e2e_named: a visible window matches NAME-REGEX; its id goes to E2E_FOUND.
e2e_named() {
    local ids
    ids="$(e2e_shown_ids "$1")"
    E2E_FOUND="${ids%%$'\n'*}"
    [ -n "$E2E_FOUND" ]
}

# e2e_unnamed: no visible window matches NAME-REGEX.
e2e_unnamed() {
    E2E_SEEN="$(e2e_shown_ids "$1" | tr '\n' ' ')"
    E2E_SEEN="${E2E_SEEN:+still shown: $E2E_SEEN}"
    [ -z "$E2E_SEEN" ]
}

# e2e_hidden ID: the window ID is not shown.
e2e_hidden() {
    ! e2e_visible "$1"
}

# e2e_active ID: the window manager has made ID the active window and the X server gives it
# the keyboard, so that keys sent now go to it.
e2e_active() {
    local active focus
    active="$(xdotool getactivewindow 2> /dev/null)" || active=none
    focus="$(xdotool getwindowfocus 2> /dev/null)" || focus=none
    E2E_SEEN="active window $active, keyboard focus on $focus"
    [ "$active" = "$1" ] && [ "$focus" = "$1" ]
}

# e2e_active_or_asked ID: e2e_active; at the tenth look (a second or more) the window manager
# is asked once to activate ID, as a window that comes without the focus does not get it.
e2e_active_or_asked() {
    e2e_active "$1" && return 0
    if [ "$E2E_LOOK" = 10 ]; then
        xdotool windowactivate "$1" > /dev/null 2>&1 || true
    fi
    return 1
}

# e2e_in_state ID STATE: the window manager holds ID in WM_STATE STATE (Normal, Iconic).
e2e_in_state() {
    E2E_SEEN="$(xprop -id "$1" WM_STATE 2>&1)" || true
    E2E_SEEN="$(tr '\n' ' ' <<< "$E2E_SEEN")"
    [[ "$E2E_SEEN" == *"window state: $2"* ]]
}

# e2e_wait_window NAME-REGEX: waits for a visible window whose name matches; prints its id.
e2e_wait_window() {
    if ! e2e_until "a window named $1" e2e_named "$1"; then
        e2e_windows >&2
        return 1
    fi
    echo "$E2E_FOUND"
}

# e2e_wait_gone NAME-REGEX: waits until no visible window matches.
e2e_wait_gone() {
    if ! e2e_until "no window named $1" e2e_unnamed "$1"; then
        e2e_windows >&2
        return 1
    fi
}

# e2e_wait_active ID: waits until ID is active and has the keyboard (see e2e_active_or_asked).
e2e_wait_active() {
    if ! e2e_until "window $1 '$(xdotool getwindowname "$1" 2> /dev/null)' to take the focus" \
        e2e_active_or_asked "$1"; then
        e2e_windows >&2
        return 1
    fi
}

# e2e_dialog TITLE: waits for the window of exactly this title to show and take the focus;
# prints its id.
e2e_dialog() {
    local id
    id="$(e2e_wait_window "$(e2e_regex "$1")")" || return 1
    e2e_wait_active "$id" || return 1
    echo "$id"
}

# e2e_closed TITLE [ID]: waits until the window of this title is gone and the window ID (Main
# by default) has the focus again.
e2e_closed() {
    e2e_wait_gone "$(e2e_regex "$1")" || return 1
    e2e_wait_active "${2:-$MAIN_WINDOW}"
}

# e2e_box_shown: a visible input or message box (titled "Saltor Editor" like Main itself);
# its id goes to E2E_FOUND.
e2e_box_shown() {
    local id
    for id in $(e2e_shown_ids '^Saltor Editor$'); do
        if [ "$id" != "$MAIN_WINDOW" ]; then
            E2E_FOUND="$id"
            return 0
        fi
    done
    return 1
}

# e2e_box: waits for an input or message box to show and take the focus; prints its id.
e2e_box() {
    local id
    if ! e2e_until "an input or message box" e2e_box_shown; then
        e2e_windows >&2
        return 1
    fi
    id="$E2E_FOUND"
    e2e_wait_active "$id" || return 1
    echo "$id"
}

# e2e_box_closed ID [BACK-ID]: waits until the box ID is gone and BACK-ID (Main by default) has
# the focus again.
e2e_box_closed() {
    if ! e2e_until "box $1 to close" e2e_hidden "$1"; then
        e2e_windows >&2
        return 1
    fi
    e2e_wait_active "${2:-$MAIN_WINDOW}"
}

# e2e_visible ID: true while the window ID is shown.
e2e_visible() {
    grep -qx -- "$1" <<< "$(e2e_shown_ids '.')"
}

# e2e_minimise ID: asks the window manager to minimise ID and waits until it has.
e2e_minimise() {
    xdotool windowminimize "$1" || return 1
    e2e_until "window $1 to be minimised" e2e_in_state "$1" Iconic
}

# e2e_restored ID: the window ID is shown normally (not minimised) and has the focus.
e2e_restored() {
    e2e_in_state "$1" Normal && e2e_active "$1"
}

# e2e_wait_restored ID: waits until the window ID is restored and has the focus, without asking
# the window manager for either.
e2e_wait_restored() {
    e2e_until "window $1 to be restored and active" e2e_restored "$1"
}

# e2e_extents_set ID: the window manager has set _NET_FRAME_EXTENTS on ID; the line is left in
# E2E_SEEN ("_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom").
e2e_extents_set() {
    E2E_SEEN="$(xprop -id "$1" _NET_FRAME_EXTENTS 2>&1)" || true
    [[ "$E2E_SEEN" == *" = "* ]]
}

# e2e_frame ID: the window's whole frame as the window manager drew it, title bar included:
# "x y width height", from the client area (xwininfo) and _NET_FRAME_EXTENTS, once it is set.
e2e_frame() {
    local info x y w h l r t b
    e2e_until "the window manager to set the frame extents of window $1" e2e_extents_set "$1" || return 1
    read -r l r t b <<< "$(sed -n 's/.*= //p' <<< "$E2E_SEEN" | tr -d ,)"
    info="$(xwininfo -id "$1")" || return 1
    read -r x y w h <<< "$(awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}' <<< "$info")"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# e2e_workarea: the screen less the panels, as the window manager gives it: "x y width height".
e2e_workarea() {
    local area
    area="$(xprop -root _NET_WORKAREA)" || return 1
    area="$(sed -n 's/.*= //p' <<< "$area" | tr -d , | cut -d' ' -f1-4)"
    [ -n "$area" ] || { echo "the window manager gives no work area" >&2; return 1; }
    echo "$area"
}

# e2e_check_centred LABEL ID "X Y W H": the frame of ID stands centred on that area, to the
# pixel (half a pixel of rounding either way).
e2e_check_centred() {
    local frame fx fy fw fh ax ay aw ah dx dy
    frame="$(e2e_frame "$2")" || return 1
    read -r fx fy fw fh <<< "$frame"
    read -r ax ay aw ah <<< "$3"
    dx=$(((2 * fx + fw) - (2 * ax + aw)))
    dy=$(((2 * fy + fh) - (2 * ay + ah)))
    if [ "${dx#-}" -gt 1 ] || [ "${dy#-}" -gt 1 ]; then
        e2e_fail "$1: frame $fx,$fy ${fw}x$fh is off the centre of $3 by $((dx / 2)), $((dy / 2))"
    fi
}

# e2e_count_colour ID COLOUR: how many pixels of window ID show exactly COLOUR (#RRGGBB) on the
# screen, from a screenshot of the whole screen.
e2e_count_colour() {
    local frame x y w h
    frame="$(e2e_frame "$1")" || return 1
    read -r x y w h <<< "$frame"
    import -window root "$WORK/screen.png" || return 1
    convert "$WORK/screen.png" -crop "${w}x$h+$x+$y" +repage "txt:$WORK/screen.txt" || return 1
    grep -ci -- "$2" "$WORK/screen.txt" || true
}

e2e_keys() { xdotool key --delay 40 "$@"; }
e2e_type() { xdotool type --delay 20 -- "$1"; }

# e2e_tab N, e2e_backtab N: moves the focus N fields on or back in the tab order.
e2e_tab() {
    local i
    for ((i = 0; i < $1; i++)); do e2e_keys Tab || return 1; done
}
e2e_backtab() {
    local i
    for ((i = 0; i < $1; i++)); do e2e_keys shift+Tab || return 1; done
}

# e2e_menu KEY INDEX: opens the menu of Main whose access key is KEY and chooses its item INDEX
# with the arrows and Return (0 is the first item; the arrows pass over separators).
e2e_menu() {
    local keys=("alt+$1") i
    for ((i = 0; i < $2; i++)); do keys+=(Down); done
    xdotool key --delay 80 "${keys[@]}" Return
}

# e2e_click ID X Y: a left click at X, Y inside the window ID; the pointer goes back to its corner.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1 mousemove 0 0
}

# e2e_file_dialog PATH: types PATH into the file dialog ("Save As") that is about to open and
# accepts it; waits until the file exists.
e2e_file_dialog() {
    local dialog
    dialog="$(e2e_wait_window '^Save As$')" || return 1
    xdotool windowactivate "$dialog" > /dev/null 2>&1 || true
    e2e_wait_active "$dialog" || return 1
    e2e_keys ctrl+a || return 1
    e2e_type "$1" || return 1
    e2e_keys Return || return 1
    e2e_wait_gone '^Save As$' || return 1
    e2e_until "a file at $1" test -e "$1"
}

# e2e_save_as PATH: Ctrl+S in the main window, the path typed into the real file dialog.
e2e_save_as() {
    e2e_keys ctrl+s || return 1
    e2e_file_dialog "$1"
}

# e2e_same_bytes PATH EXPECTED-PATH: the file at PATH holds the bytes of the other.
e2e_same_bytes() {
    E2E_SEEN="$(stat -c '%s bytes' -- "$1" 2>&1)" || true
    cmp -s -- "$1" "$2"
}

# e2e_show_diff EXPECTED GOT: both files line by line, CR and TAB made visible.
e2e_show_diff() {
    diff -u --label expected --label got <(sed 's/\r/\\r/g; s/\t/\\t/g' "$1") \
        <(sed 's/\r/\\r/g; s/\t/\\t/g' "$2") | head -n 60 || true
}

# e2e_expect_file PATH EXPECTED-BYTES (printf format): waits for the file to hold these bytes
# (a save may still be on its way); fails when it does not come to hold them.
e2e_expect_file() {
    local expected="$WORK/expected"
    printf -- "$2" > "$expected"
    if ! e2e_until "the expected bytes in $1" e2e_same_bytes "$1" "$expected"; then
        echo "FAIL: $1 differs from what was expected"
        echo "--- got";      od -c "$1" | head -n 40
        echo "--- expected"; od -c "$expected" | head -n 40
        return 1
    fi
}

# e2e_check_file LABEL PATH EXPECTED-BYTES (printf format): like e2e_expect_file, but a
# difference is recorded as a failed check and the script goes on.
e2e_check_file() {
    local expected="$WORK/expected-$1"
    printf -- "$3" > "$expected"
    if ! e2e_until "the expected bytes in $2" e2e_same_bytes "$2" "$expected"; then
        e2e_fail "$1: $(basename "$2") differs from what was expected"
        e2e_show_diff "$expected" "$2"
    fi
}

# The document as the suite expects it, kept in a file beside the real one. e2e_doc_start
# begins with the new document; e2e_doc_add appends what the last step should have appended;
# e2e_doc_check saves the real document through Save As (a new file each time) and compares.
# After a difference the expectation follows the real document, so that the later steps are
# judged on their own. e2e_doc_save and e2e_doc_compare are its two halves, for a step whose
# expectation is known only once the document is saved; the path saved to is E2E_DOC_PATH.
e2e_doc_start() {
    printf '// Created in Saltor Editor by Tavik\r\n' > "$WORK/document.expected"
    E2E_CHECKPOINT=0
}

e2e_doc_add() {
    printf -- "$1" >> "$WORK/document.expected"
}

e2e_doc_save() {
    E2E_CHECKPOINT=$((E2E_CHECKPOINT + 1))
    E2E_DOC_PATH="$(printf '%s/doc%02d-%s.sqf' "$WORK" "$E2E_CHECKPOINT" "$1")"
    e2e_save_as "$E2E_DOC_PATH" || return 1
    e2e_wait_active "$MAIN_WINDOW"
}

e2e_doc_compare() {
    if ! e2e_until "the expected document in $E2E_DOC_PATH" \
        e2e_same_bytes "$E2E_DOC_PATH" "$WORK/document.expected"; then
        e2e_fail "$1: the saved document differs from what was expected"
        e2e_show_diff "$WORK/document.expected" "$E2E_DOC_PATH"
        cp "$E2E_DOC_PATH" "$WORK/document.expected"
    fi
}

e2e_doc_check() {
    e2e_doc_save "$1" || return 1
    e2e_doc_compare "$1"
}

# e2e_write_on LABEL: after a dialog has closed, the person goes on writing in the document:
# Ctrl+End, a line, Return. The line is expected at the end of the document. LABEL holds no
# blank, so that nothing is pressed should a button hold the focus instead of the document.
e2e_write_on() {
    e2e_keys ctrl+End || return 1
    e2e_type "//$1" || return 1
    e2e_keys Return || return 1
    e2e_doc_add "//$1\r\n"
}

# e2e_stacking: the ids of the windows the window manager stacks, bottom first.
e2e_stacking() {
    local list id
    list="$(xprop -root _NET_CLIENT_LIST_STACKING)" || return 1
    for id in $(sed -n 's/^[^#]*#//p' <<< "$list" | tr , ' '); do
        echo $((id))
    done
}

# e2e_stacked_now ID...: the window manager stacks the windows ID... in this order, each above
# the one before (others may stand between them).
e2e_stacked_now() {
    local stack previous=0 position id
    stack="$(e2e_stacking)" || return 1
    E2E_SEEN="stacked from the bottom up: $(tr '\n' ' ' <<< "$stack")"
    for id in "$@"; do
        position="$(grep -nx -- "$id" <<< "$stack" | cut -d: -f1)" || return 1
        [ "$position" -gt "$previous" ] || return 1
        previous="$position"
    done
}

# e2e_stacked ID...: waits until the window manager stacks the windows ID... in this order;
# false when it does not come.
e2e_stacked() {
    e2e_until "the windows stacked from the bottom up as $*" e2e_stacked_now "$@"
}
