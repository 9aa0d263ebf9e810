#!/usr/bin/env bash
# Makes the portable folder: the program, plugins/ (our audio library) and data/music/ (the
# preset sounds). Usage: dist.sh                 -> dist/ in the repository and dist.zip
#                        dist.sh --folder-only B -> assembles B/windows/board and prints its path
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ ${1:-} == --folder-only ]]; then
  build=$2
else
  build=${BOARD_BUILD_ROOT:-$root/build}
  "$root/scripts/install-deps.sh"
  "$root/scripts/build.sh" windows "$build" >/dev/null
fi
# The build puts the program and plugins/bass.dll in board/; the sounds are made beside them.
board=$build/windows/board
mkdir -p "$board/plugins" "$board/data/music"
if [[ -x $root/scripts/make-sound-pack.sh ]]; then
  "$root/scripts/make-sound-pack.sh" "$board/data/music" >&2
fi
if [[ ${1:-} == --folder-only ]]; then
  echo "$board"
  exit 0
fi
rm -rf "$root/dist"
mkdir -p "$root/dist"
cp "$board/LantuoSoundBoard.exe" "$root/dist/"
cp -r "$board/plugins" "$board/data" "$root/dist/"
echo "portable folder: $root/dist"
