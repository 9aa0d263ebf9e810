#!/usr/bin/env bash
# Runs the audio library's benchmark under Wine with the null sink and prints its ratios.
# Usage: benchmark.sh [build-root]   (the Windows tree must be built)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}/windows
work=$build/tests/bass/bench
mkdir -p "$work"
if [[ ! -f $work/long.mp3 ]]; then
  sox -n -r 44100 -c 2 -b 16 "$work/long.wav" synth 600 sine 440 gain -6
  lame --quiet -b 128 "$work/long.wav" "$work/long.mp3"
  rm -f "$work/long.wav"
fi
"$root/scripts/wine-up.sh" "$build/wine-prefix"
fixtures=$build/tests/bass/fixtures
"$root/scripts/wine-exec.sh" "$build/wine-prefix" "$build/tests/bass/bass_benchmark.exe" \
  "Z:$build/board/plugins" "Z:$fixtures/mp3-cbr.mp3" "Z:$work/long.mp3" "Z:$fixtures/wav-s16-stereo.wav"
