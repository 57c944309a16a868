#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the Qt Test suites and the
# end-to-end suites under Xvfb with openbox.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build"
cd "$here/build"
ctest --output-on-failure -j"$(nproc)"
