# Sourced, not run: the environment every Wine run of the board shares.
# Needs BOARD_WINE_PREFIX (the prefix lives inside the Windows build tree).
: "${BOARD_WINE_PREFIX:?set BOARD_WINE_PREFIX to the Wine prefix folder}"
export WINEPREFIX="$BOARD_WINE_PREFIX"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko prompt may ever block a headless run.
export WINEDLLOVERRIDES="mscoree,mshtml="
export BOARD_DISPLAY=${BOARD_DISPLAY:-:99}
export XDG_RUNTIME_DIR=${BOARD_XDG_RUNTIME_DIR:-/tmp/lantuo-runtime-$(id -u)}
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
