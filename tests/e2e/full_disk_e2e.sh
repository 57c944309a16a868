#!/usr/bin/env bash
# A person types a line and saves over a file on a full disk: the editor says that the save
# failed, the file keeps its bytes, no temporary file is left beside it, and the document still
# holds what was typed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

if [ "$(id -u)" != 0 ]; then
    echo "SKIP: mounting a small file system needs root"
    exit $E2E_SKIP
fi
DISK="$(mktemp -d)"
if ! mount -t tmpfs -o size=256k tmpfs "$DISK"; then
    rmdir "$DISK"
    echo "SKIP: a tmpfs could not be mounted"
    exit $E2E_SKIP
fi

# e2e_stop first, while $? still holds the script's own status.
full_disk_stop() {
    e2e_stop
    umount "$DISK" 2> /dev/null || umount -l "$DISK" 2> /dev/null || true
    rmdir "$DISK" 2> /dev/null || true
}
trap full_disk_stop EXIT

printf 'old;\r\n' > "$DISK/briefing.sqf"
# Fills the disk to the last block; dd ends with "No space left on device".
dd if=/dev/zero of="$DISK/filler" bs=4k status=none 2> /dev/null || true

e2e_start "$1"
e2e_keys ctrl+End
e2e_type 'hint "full";'
e2e_keys Return
e2e_save_as "$DISK/briefing.sqf"
e2e_dialog 'Replacing ...' > /dev/null
e2e_keys Return
e2e_wait_gone "$(e2e_regex 'Replacing ...')"
failure="$(e2e_box)"
e2e_keys Return
e2e_box_closed "$failure"

e2e_check_file kept "$DISK/briefing.sqf" 'old;\r\n'
left="$(ls -A "$DISK" | tr '\n' ' ')"
[ "$left" = "briefing.sqf filler " ] || e2e_fail "the disk holds more than before: $left"
e2e_save_as "$WORK/after.sqf"
e2e_check_file document "$WORK/after.sqf" '// Created in Saltor Editor by Tavik\r\nhint "full";\r\n'
e2e_finish
