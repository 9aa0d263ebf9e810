#!/usr/bin/env bash
# The sounds the board's sound tests play: a few presets from the generated pack.
# Usage: make-test-sounds.sh <folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$1
mkdir -p "$out/music"
BOARD_SOUND_PACK_CAPTIONS=$'狗叫\n遊戲結束\nCs 音效\nCrazy Frog特效\n孙悟空出场' \
  "$root/scripts/make-sound-pack.sh" "$out/music" >/dev/null
