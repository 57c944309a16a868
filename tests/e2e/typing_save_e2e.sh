#!/usr/bin/env bash
# A person types into the document, saves it through the real file dialog, and exits.
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
e2e_wait_window '^Replacing \.\.\.$' > /dev/null
e2e_keys Return
e2e_wait_gone '^Replacing \.\.\.$'
sleep 0.3
e2e_expect_file "$WORK/typed briefing.sqf" \
    '// Created in Saltor Editor by Tavik\r\ntsk1 = player createSimpleTask ["Seize Guglovo"]'

# Exit through the File menu; Yes is the default answer.
e2e_keys alt+f x
e2e_wait_window '^Exiting \.\.\.$' > /dev/null
e2e_keys Return
for _ in $(seq 50); do
    kill -0 "$EDITOR_PID" 2> /dev/null || break
    sleep 0.1
done
if kill -0 "$EDITOR_PID" 2> /dev/null; then
    echo "FAIL: the editor did not end after Exit"
    exit 1
fi
echo "PASS"
