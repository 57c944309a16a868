# Shared steps of the end-to-end suites: a private X server with openbox, the editor started
# in it, keyboard input through xdotool. Source it; call e2e_start, then e2e_stop on exit.

E2E_SKIP=77

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
    local editor="$1"
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
    (cd "$WORK" && exec "$editor") > "$WORK/editor.log" 2>&1 &
    EDITOR_PID=$!
    MAIN_WINDOW="$(e2e_wait_window '^Saltor Editor$')"
    xdotool windowactivate --sync "$MAIN_WINDOW" > /dev/null 2>&1 || true
    sleep 0.3
}

e2e_stop() {
    kill "$EDITOR_PID" "$WM_PID" "$XVFB_PID" 2> /dev/null || true
    wait 2> /dev/null || true
    rm -rf "$WORK"
}

# e2e_wait_window NAME-REGEX: prints the id of the first visible window whose name matches.
e2e_wait_window() {
    local id=""
    for _ in $(seq 100); do
        id="$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1 appeared" >&2
    return 1
}

# e2e_wait_gone NAME-REGEX: waits until no visible window matches.
e2e_wait_gone() {
    for _ in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2> /dev/null)" ] && return 0
        sleep 0.1
    done
    echo "window $1 did not close" >&2
    return 1
}

e2e_keys() { xdotool key --delay 40 "$@"; }
e2e_type() { xdotool type --delay 20 -- "$1"; }

# e2e_save_as PATH: Ctrl+S in the main window, the path typed into the real file dialog.
e2e_save_as() {
    e2e_keys ctrl+s
    local dialog
    dialog="$(e2e_wait_window '^Save As$')"
    xdotool windowactivate --sync "$dialog" > /dev/null 2>&1 || true
    sleep 0.3
    e2e_keys ctrl+a
    e2e_type "$1"
    e2e_keys Return
    e2e_wait_gone '^Save As$'
    for _ in $(seq 50); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    echo "nothing was saved to $1" >&2
    return 1
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
