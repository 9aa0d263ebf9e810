#!/usr/bin/env bash
# Installs the Debian packages the board needs to build, run and test on Linux.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xdotool x11-apps x11-utils imagemagick
  pulseaudio pulseaudio-utils fonts-wqy-microhei locales
  sox libsox-fmt-mp3 lame espeak-ng clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "missing packages (run as root to install): ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Chinese command-line arguments reach Wine intact only when the glibc locales exist.
need_locale=0
for loc in zh_CN.UTF-8 en_US.UTF-8; do
  locale -a 2>/dev/null | grep -qi "^${loc%.UTF-8}.utf8$" || need_locale=1
done
if ((need_locale)) && [[ $(id -u) -eq 0 ]]; then
  sed -i -E 's/^# *(zh_CN.UTF-8 UTF-8)/\1/; s/^# *(en_US.UTF-8 UTF-8)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi
