#!/usr/bin/env bash
# Configures and builds one tree. Usage: build.sh native|windows [build-root]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=$1
out=${2:-$root/build}/$tree
case $tree in
  native)  extra=(-DCMAKE_BUILD_TYPE=Debug) ;;
  windows) extra=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
  *) echo "build.sh: native or windows" >&2; exit 2 ;;
esac
if [[ ! -f $out/build.ninja ]]; then
  cmake -S "$root" -B "$out" -G Ninja "${extra[@]}" >/dev/null
fi
cmake --build "$out"
