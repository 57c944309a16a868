#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build"
exec "$here/build/saltor-editor"
