#!/usr/bin/env bash
# Builds what is needed and starts the board under Wine. On the current display when there is
# one; with no display it starts a virtual one, takes a screenshot of the board after start-up,
# writes it to a file it names, and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BOARD_BUILD_ROOT:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows "$build" >/dev/null
folder=$(bash "$root/scripts/dist.sh" --folder-only "$build")
prefix=$build/windows/wine-prefix

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  "$root/scripts/wine-up.sh" "$prefix" --no-display
  export BOARD_WINE_PREFIX=$prefix
  source "$root/scripts/wine-env.sh"
  cd "$folder" && exec wine ./LantuoSoundBoard.exe
fi

"$root/scripts/wine-up.sh" "$prefix"
export BOARD_WINE_PREFIX=$prefix
source "$root/scripts/wine-env.sh"
export DISPLAY=$BOARD_DISPLAY
shot=${BOARD_SCREENSHOT:-$build/board-screenshot.png}
(cd "$folder" && exec wine ./LantuoSoundBoard.exe) &
board=$!
window=
for _ in $(seq 150); do
  window=$(xdotool search --name "澜拓音频声浪台" 2>/dev/null | head -n 1) && [[ -n $window ]] && break
  sleep 0.2
done
if [[ -z $window ]]; then
  echo "run: the board's window did not appear" >&2
  kill "$board" 2>/dev/null || true
  exit 1
fi
sleep 2  # let it finish painting
xwd -root -silent | /usr/bin/convert xwd:- "$shot"
pkill -f LantuoSoundBoard.exe || true
wait "$board" 2>/dev/null || true
echo "screenshot of the board: $shot"
