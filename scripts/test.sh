#!/usr/bin/env bash
# Builds both trees and runs every test: the native tree under sanitizers, the Windows tree
# under Wine on a virtual display with a null sound sink. Ends with ctest's summary; non-zero
# on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BOARD_BUILD_ROOT:-$root/build}
"$root/scripts/install-deps.sh" || exit 1
started=$(date +%s)

"$root/scripts/build.sh" native "$build" || exit 1
"$root/scripts/build.sh" windows "$build" || exit 1
# Bring up display, sink and prefix once, before test discovery runs programs under Wine.
"$root/scripts/wine-up.sh" "$build/windows/wine-prefix" || exit 1

status=0
log=$(mktemp)
echo "== native tests (ASan + UBSan)"
ctest --test-dir "$build/native" --output-on-failure -j2 2>&1 | tee -a "$log"
((PIPESTATUS[0])) && status=1
echo "== Windows tests (Wine)"
ctest --test-dir "$build/windows" --output-on-failure 2>&1 | tee -a "$log"
((PIPESTATUS[0])) && status=1

# One summary for both trees, from ctest's own lines.
read -r total failed < <(sed -nE 's/.* ([0-9]+) tests failed out of ([0-9]+)/\2 \1/p' "$log" |
                         awk '{t+=$1; f+=$2} END {print t+0, f+0}')
rm -f "$log"
echo "test run took $(( $(date +%s) - started )) s"
echo "$((total - failed)) passed, $failed failed"
((status == 0 && failed == 0))
