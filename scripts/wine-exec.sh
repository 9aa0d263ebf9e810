#!/usr/bin/env bash
# Runs a Windows program of the build under Wine on the virtual display: the test emulator.
# Usage: wine-exec.sh <wine-prefix> <program.exe> [args...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1; shift
"$here/wine-up.sh" "$prefix"
export BOARD_WINE_PREFIX=$prefix
source "$here/wine-env.sh"
export DISPLAY=$BOARD_DISPLAY
exec wine "$@"
