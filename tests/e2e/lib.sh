# Shared steps of the end-to-end suites: a private X server with openbox, the editor started
# in it, keyboard input through xdotool. Source it after set -euo pipefail, set the trap
# (trap e2e_stop EXIT), then call e2e_start; end with e2e_finish.

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

# How long a window may take to come, go or take the focus, in steps of 0.1 s.
E2E_TICKS="${E2E_TICKS:-200}"
E2E_FAILURES=0

e2e_require() {
    for tool in Xvfb openbox xdotool; do
        if ! command -v "$tool" > /dev/null; then
            echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
            exit $E2E_SKIP
        fi
    done
}

# e2e_start EDITOR: starts X, the window manager and the editor; sets WORK, DISPLAY, MAIN_WINDOW.
e2e_start() {
    local editor
    editor="$(realpath "$1")"
    e2e_require
    WORK="$(mktemp -d)"
    export HOME="$WORK/home"
    mkdir -p "$HOME"
    unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$WORK/display" 2> "$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$WORK/display")"
    openbox > "$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    sleep 0.5
    # The pointer rests in a corner outside every window, so no tool tip shows up.
    xdotool mousemove 0 0 > /dev/null 2>&1 || true
    (cd "$WORK" && exec "$editor") > "$WORK/editor.log" 2>&1 &
    EDITOR_PID=$!
    MAIN_WINDOW="$(e2e_wait_window '^Saltor Editor$')"
    xdotool windowactivate --sync "$MAIN_WINDOW" > /dev/null 2>&1 || true
    e2e_wait_active "$MAIN_WINDOW"
    sleep 0.3
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
    for id in $(xdotool search --onlyvisible --name '.' 2> /dev/null); do
        echo "  $id '$(xdotool getwindowname "$id" 2> /dev/null)'"
    done
    echo "  active: $(xdotool getactivewindow 2> /dev/null)"
}

# e2e_regex TEXT: TEXT as an exact, anchored regular expression.
e2e_regex() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[].[*^$\\()|+?{}]/\\&/g')"
}

# e2e_wait_window NAME-REGEX: prints the id of the first visible window whose name matches.
e2e_wait_window() {
    local id=""
    for _ in $(seq "$E2E_TICKS"); do
        id="$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1 appeared" >&2
    e2e_windows >&2
    return 1
}

# e2e_wait_gone NAME-REGEX: waits until no visible window matches.
e2e_wait_gone() {
    for _ in $(seq "$E2E_TICKS"); do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2> /dev/null)" ] && return 0
        sleep 0.1
    done
    echo "window $1 did not close" >&2
    e2e_windows >&2
    return 1
}

# e2e_wait_active ID: waits until the window manager has given ID the focus; asks for it once
# when it does not come by itself within a second.
e2e_wait_active() {
    local tick
    for tick in $(seq "$E2E_TICKS"); do
        if [ "$(xdotool getactivewindow 2> /dev/null)" = "$1" ]; then
            sleep 0.15
            return 0
        fi
        if [ "$tick" = 10 ]; then
            xdotool windowactivate "$1" > /dev/null 2>&1 || true
        fi
        sleep 0.1
    done
    echo "window $1 '$(xdotool getwindowname "$1" 2> /dev/null)' never took the focus" >&2
    e2e_windows >&2
    return 1
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

# e2e_box: waits for an input or message box (titled "Saltor Editor" like Main itself) to show
# and take the focus; prints its id.
e2e_box() {
    local id
    for _ in $(seq "$E2E_TICKS"); do
        for id in $(xdotool search --onlyvisible --name '^Saltor Editor$' 2> /dev/null); do
            if [ "$id" != "$MAIN_WINDOW" ]; then
                e2e_wait_active "$id" || return 1
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    echo "no input or message box appeared" >&2
    e2e_windows >&2
    return 1
}

# e2e_box_closed ID [BACK-ID]: waits until the box ID is gone and BACK-ID (Main by default) has
# the focus again.
e2e_box_closed() {
    local gone=""
    for _ in $(seq "$E2E_TICKS"); do
        if ! xdotool search --onlyvisible --name '.' 2> /dev/null | grep -qx "$1"; then
            gone=yes
            break
        fi
        sleep 0.1
    done
    if [ -z "$gone" ]; then
        echo "box $1 did not close" >&2
        e2e_windows >&2
        return 1
    fi
    e2e_wait_active "${2:-$MAIN_WINDOW}"
}

# e2e_visible ID: true while the window ID is shown.
e2e_visible() {
    xdotool search --onlyvisible --name '.' 2> /dev/null | grep -qx "$1"
}

# e2e_frame ID: the window's whole frame as the window manager drew it, title bar included:
# "x y width height", from the client area (xwininfo) and _NET_FRAME_EXTENTS.
e2e_frame() {
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
        END {print x, y, w, h}')
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}

# e2e_workarea: the screen less the panels, as the window manager gives it: "x y width height".
e2e_workarea() {
    xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | tr -d , | cut -d' ' -f1-4
}

# e2e_check_centred LABEL ID "X Y W H": the frame of ID stands centred on that area, to the
# pixel (half a pixel of rounding either way).
e2e_check_centred() {
    local fx fy fw fh ax ay aw ah dx dy
    read -r fx fy fw fh < <(e2e_frame "$2")
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
    local x y w h
    read -r x y w h < <(e2e_frame "$1")
    import -window root "$WORK/screen.png"
    convert "$WORK/screen.png" -crop "${w}x$h+$x+$y" +repage txt:- | grep -ci -- "$2" || true
}

# e2e_wait_restored ID: waits until the window ID is shown normally (not minimised) and has the
# focus, without asking the window manager for either.
e2e_wait_restored() {
    for _ in $(seq "$E2E_TICKS"); do
        if xprop -id "$1" WM_STATE 2> /dev/null | grep -q 'window state: Normal' \
            && [ "$(xdotool getactivewindow 2> /dev/null)" = "$1" ]; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

e2e_keys() { xdotool key --delay 40 "$@"; }
e2e_type() { xdotool type --delay 20 -- "$1"; }

# e2e_tab N, e2e_backtab N: moves the focus N fields on or back in the tab order.
e2e_tab() {
    local i
    for ((i = 0; i < $1; i++)); do e2e_keys Tab; done
}
e2e_backtab() {
    local i
    for ((i = 0; i < $1; i++)); do e2e_keys shift+Tab; done
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
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.2
    xdotool mousemove 0 0
}

# e2e_file_dialog PATH: types PATH into the file dialog ("Save As") that is about to open and
# accepts it; waits until the file exists.
e2e_file_dialog() {
    local dialog
    dialog="$(e2e_wait_window '^Save As$')" || return 1
    xdotool windowactivate --sync "$dialog" > /dev/null 2>&1 || true
    e2e_wait_active "$dialog" || return 1
    sleep 0.2
    e2e_keys ctrl+a
    e2e_type "$1"
    e2e_keys Return
    e2e_wait_gone '^Save As$' || return 1
    for _ in $(seq "$E2E_TICKS"); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    echo "nothing was saved to $1" >&2
    return 1
}

# e2e_save_as PATH: Ctrl+S in the main window, the path typed into the real file dialog.
e2e_save_as() {
    e2e_keys ctrl+s
    e2e_file_dialog "$1"
}

# e2e_show_diff EXPECTED GOT: both files line by line, CR and TAB made visible.
e2e_show_diff() {
    diff -u --label expected --label got <(sed 's/\r/\\r/g; s/\t/\\t/g' "$1") \
        <(sed 's/\r/\\r/g; s/\t/\\t/g' "$2") | head -n 60 || true
}

# e2e_expect_file PATH EXPECTED-BYTES (printf format): compares the file's bytes.
e2e_expect_file() {
    local expected="$WORK/expected"
    printf "$2" > "$expected"
    if ! cmp -s "$1" "$expected"; then
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
    if ! cmp -s "$2" "$expected"; then
        e2e_fail "$1: $(basename "$2") differs from what was expected"
        e2e_show_diff "$expected" "$2"
    fi
}

# The document as the suite expects it, kept in a file beside the real one. e2e_doc_start
# begins with the new document; e2e_doc_add appends what the last step should have appended;
# e2e_doc_check saves the real document through Save As (a new file each time) and compares.
# After a difference the expectation follows the real document, so that the later steps are
# judged on their own.
e2e_doc_start() {
    printf '// Created in Saltor Editor by Tavik\r\n' > "$WORK/document.expected"
    E2E_CHECKPOINT=0
}

e2e_doc_add() {
    printf -- "$1" >> "$WORK/document.expected"
}

e2e_doc_check() {
    E2E_CHECKPOINT=$((E2E_CHECKPOINT + 1))
    local path
    path="$(printf '%s/doc%02d-%s.sqf' "$WORK" "$E2E_CHECKPOINT" "$1")"
    e2e_save_as "$path"
    e2e_wait_active "$MAIN_WINDOW"
    if ! cmp -s "$path" "$WORK/document.expected"; then
        e2e_fail "$1: the saved document differs from what was expected"
        e2e_show_diff "$WORK/document.expected" "$path"
        cp "$path" "$WORK/document.expected"
    fi
}

# e2e_write_on LABEL: after a dialog has closed, the person goes on writing in the document:
# Ctrl+End, a line, Return. The line is expected at the end of the document. LABEL holds no
# blank, so that nothing is pressed should a button hold the focus instead of the document.
e2e_write_on() {
    e2e_keys ctrl+End
    e2e_type "//$1"
    e2e_keys Return
    e2e_doc_add "//$1\r\n"
}

# e2e_stacking: the ids of the windows the window manager stacks, bottom first.
e2e_stacking() {
    local id
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*#//; s/,/ /g'); do
        echo $((id))
    done
}

# e2e_stacked ID...: waits until the window manager stacks the windows ID... in this order,
# each above the one before (others may stand between them); false when it does not come.
e2e_stacked() {
    local stack="" previous position id
    for _ in $(seq "$E2E_TICKS"); do
        stack="$(e2e_stacking)"
        previous=0
        for id in "$@"; do
            position="$(grep -nx "$id" <<< "$stack" | cut -d: -f1)"
            if [ -z "$position" ] || [ "$position" -le "$previous" ]; then
                previous=""
                break
            fi
            previous="$position"
        done
        [ -n "$previous" ] && return 0
        sleep 0.1
    done
    echo "wanted from the bottom up: $*; stacked: $(echo $stack)" >&2
    return 1
}
