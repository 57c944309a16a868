#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the Qt Test suites and the
# end-to-end suites under Xvfb with openbox. Then the whole suite once more, built with
# AddressSanitizer and UndefinedBehaviorSanitizer; any report fails the run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
"$here/scripts/setup.sh"

"$here/scripts/build.sh" "$here/build"
(cd "$here/build" && ctest --output-on-failure -j"$jobs")

"$here/scripts/build.sh" "$here/build-sanitize" -DSALTOR_SANITIZE=ON -DSALTOR_BUILD_BENCH=OFF
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
(cd "$here/build-sanitize" && ctest --output-on-failure -j"$jobs")
