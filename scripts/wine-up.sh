#!/usr/bin/env bash
# Brings up what a headless Wine run needs, each piece only when it is not already up:
# a virtual X display, a PulseAudio null sink fed with silence, and the Wine prefix.
# Usage: wine-up.sh <wine-prefix> [--no-display]
# With --no-display the caller's DISPLAY is used and no Xvfb is started.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export BOARD_WINE_PREFIX=$1
use_own_display=1
[[ ${2:-} == --no-display ]] && use_own_display=0
source "$here/wine-env.sh"

start_display() {
  local n=${BOARD_DISPLAY#:}
  if DISPLAY=$BOARD_DISPLAY xdpyinfo >/dev/null 2>&1; then return; fi
  # A lock left by a dead server keeps Xvfb from starting.
  if [[ -f /tmp/.X$n-lock ]] && ! kill -0 "$(tr -d ' ' </tmp/.X$n-lock)" 2>/dev/null; then
    rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
  fi
  setsid Xvfb "$BOARD_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
  for _ in $(seq 100); do
    DISPLAY=$BOARD_DISPLAY xdpyinfo >/dev/null 2>&1 && return
    sleep 0.1
  done
  echo "wine-up: Xvfb did not start on $BOARD_DISPLAY" >&2
  exit 1
}

start_sound() {
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  if ! pactl info >/dev/null 2>&1; then
    pulseaudio -D -n --exit-idle-time=-1 --log-target=stderr \
      --load="module-null-sink sink_name=ci_sink" --load=module-native-protocol-unix \
      >/dev/null 2>&1 || true
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink ci_sink
  fi
  # An idle null sink's monitor delivers almost nothing: keep silence flowing into it.
  if ! pgrep -f "pacat -p -d ci_sink" >/dev/null; then
    setsid pacat -p -d ci_sink --raw --format=s16le --rate=44100 --channels=2 \
      --latency-msec=20 /dev/zero >/dev/null 2>&1 < /dev/null &
  fi
}

# The Wine server and the prefix's services (services.exe and its kin) outlive the program that
# started them. Started here with no output attached, they never hold a test runner's or the
# caller's output pipe open after the work has ended.
start_services() {
  wineserver -p >/dev/null 2>&1 </dev/null || true
  DISPLAY=$display wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

make_prefix() {
  if [[ -f $WINEPREFIX/.board-ready ]]; then
    start_services
    return
  fi
  mkdir -p "$WINEPREFIX"
  DISPLAY=$display wineboot -i >/dev/null 2>&1 || true
  local reg=$WINEPREFIX/board.reg
  # regedit wants UTF-16LE; the font names are Chinese.
  iconv -f UTF-8 -t UTF-16LE > "$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei Mono"
"NSimSun"="WenQuanYi Micro Hei Mono"
"黑体"="WenQuanYi Micro Hei"
"SimHei"="WenQuanYi Micro Hei"
"微软雅黑"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""
"Auto"="0"
REG
  printf '\xff\xfe' | cat - "$reg" > "$reg.bom" && mv "$reg.bom" "$reg"
  DISPLAY=$display wine regedit /S "$(winepath -w "$reg" 2>/dev/null || echo "$reg")" >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.board-ready"
  start_services
}

if ((use_own_display)); then
  start_display
  display=$BOARD_DISPLAY
else
  display=${DISPLAY:?no DISPLAY to use}
fi
start_sound
make_prefix
