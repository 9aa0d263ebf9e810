#!/usr/bin/env bash
# Makes the preset sounds: one MP3 for every distinct caption of the catalogue, named
# caption + ".mp3", so that a click on a preset finds its file in data/music. Sounds that can be
# recognised from a synthesized effect get one; every other caption is spoken in Mandarin.
#
# Usage: make-sound-pack.sh <folder>     make the missing or outdated sounds in <folder>
#        make-sound-pack.sh --list       print the distinct captions, one a line
# Environment:
#   BOARD_SOUND_PACK_CAPTIONS  captions to make instead of the catalogue's, one a line
#   BOARD_SOUND_PACK_JOBS      sounds made at once (default: the number of processors)
#
# A sound is kept when its file is newer than these scripts, so a second run costs nothing.
# Installs nothing: scripts/install-deps.sh brings sox, lame and espeak-ng.
set -euo pipefail
# Captions are UTF-8 on the way to file names and to the speech synthesizer.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
catalogue=$root/app/Catalogue.cpp

die() { echo "make-sound-pack: $*" >&2; exit 1; }

# The catalogue is the one list of captions: each preset is a row {number, page, L"caption", ...}.
catalogue_captions() {
  [[ -r $catalogue ]] || die "cannot read $catalogue"
  sed -n -E 's/^[[:space:]]*\{[0-9]+,[[:space:]]*[0-9]+,[[:space:]]*L"(([^"\\]|\\.)*)".*/\1/p' \
    "$catalogue"
}

distinct_captions() {
  if [[ -n ${BOARD_SOUND_PACK_CAPTIONS:-} ]]; then
    printf '%s\n' "$BOARD_SOUND_PACK_CAPTIONS"
  else
    catalogue_captions
  fi | awk 'length($0) > 0 && !seen[$0]++'
}

# A caption becomes a file name as it is; refuse what cannot be one rather than write elsewhere.
check_caption() {
  case $1 in
    */* | *\\* | . | ..) die "caption \"$1\" cannot be a file name" ;;
  esac
}

if [[ ${1:-} == --list ]]; then
  distinct_captions
  exit 0
fi
(($# == 1)) && [[ -n $1 ]] || { echo "usage: make-sound-pack.sh <folder> | --list" >&2; exit 2; }
out=$1

for tool in sox lame espeak-ng; do
  command -v "$tool" >/dev/null || die "$tool is missing: run scripts/install-deps.sh"
done

mapfile -t captions < <(distinct_captions)
((${#captions[@]})) || die "no captions found in $catalogue"
for caption in "${captions[@]}"; do check_caption "$caption"; done

mkdir -p "$out" || die "cannot make the folder $out"
out=$(cd "$out" && pwd)
# A run that was killed can leave a half-written sound under a hidden name; it must not ship.
rm -f "$out"/.*.mp3.partial.*
makers=("$0" "$here"/soundpack/*.sh)
outdated=()
for caption in "${captions[@]}"; do
  file=$out/$caption.mp3
  fresh=1
  if [[ -s $file ]]; then
    for maker in "${makers[@]}"; do
      [[ $file -nt $maker ]] || { fresh=0; break; }
    done
  else
    fresh=0
  fi
  ((fresh)) || outdated+=("$caption")
done

if ((${#outdated[@]})); then
  jobs=${BOARD_SOUND_PACK_JOBS:-$(nproc 2>/dev/null || echo 2)}
  started=$SECONDS
  if ! printf '%s\0' "${outdated[@]}" |
      xargs -0 -n 1 -P "$jobs" bash "$here/soundpack/render.sh" "$out"; then
    die "some sounds could not be made (see above); run again to retry them"
  fi
  echo "sound pack: made ${#outdated[@]} of ${#captions[@]} sounds in $((SECONDS - started)) s, in $out"
else
  echo "sound pack: all ${#captions[@]} sounds up to date in $out"
fi
