#!/usr/bin/env bash
# Makes one preset sound: render.sh <folder> <caption> writes <folder>/<caption>.mp3.
# The effect (or the spoken caption) is shaped into what every preset file shares: it starts at
# once, lasts at most 3.8 s (4 s with the encoder's padding), has the same loudness as its
# neighbours without clipping, and is 44.1 kHz mono. The file appears only when complete.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$1
caption=$2
export LC_ALL=C.UTF-8
# Repeatable noise and random placement: the same caption always gives the same sound.
export SOX_OPTS="-V1 -R"
RANDOM=$(printf '%s' "$caption" | cksum | cut -d ' ' -f 1)

work=$(mktemp -d)
final=$out/$caption.mp3
partial=$out/.$caption.mp3.partial.$$
trap 'rm -rf "$work" "$partial"' EXIT

fail() { echo "make-sound-pack: \"$caption\": $*" >&2; exit 1; }

source "$here/pieces.sh"
source "$here/effects.sh"
source "$here/speech.sh"

# Loudness: the loudest 400 ms of every sound, weighted the way the ear hears (more treble,
# no rumble), is brought to the same level, unless that would lift a peak above -2 dBFS; the
# ceiling leaves room for the MP3 encoder's overshoot, so no decoded sample clips.
readonly kLoudest=-14 kPeakCeiling=-2 kLongest=3.8

effect=$(effect_for "$caption")
if [[ $effect == speech ]]; then
  speak "$caption" "$work/raw.wav" "$work" || fail "speech synthesis failed"
else
  "fx_$effect" "$work" || fail "effect $effect failed"
fi
[[ -s $work/raw.wav ]] || fail "effect $effect made no sound"

# Leading silence would delay every click; a long tail is cut. What lies above 16 kHz goes
# now rather than in the encoder, so the peak measured here is the peak of the MP3.
sox "$work/raw.wav" "${piece_format[@]}" "$work/cut.wav" \
  gain -n -6 highpass 20 lowpass 16000 silence 1 0.002 -50d trim 0 "$kLongest" ||
  fail "cannot shape the sound"
length=$(soxi -D "$work/cut.wav")
# Short fades at both ends keep the speaker from clicking where a sound starts or was cut.
sox "$work/cut.wav" "$work/faded.wav" fade t 0.003 "$length" 0.08 || fail "cannot shape the sound"
mv -f "$work/faded.wav" "$work/cut.wav"
peak=$(sox "$work/cut.wav" -n stats 2>&1 | awk '/^Pk lev dB/ {print $4}')
loudest=$(sox "$work/cut.wav" -n highpass 38 treble 4 1500 stats -w 0.4 2>&1 |
  awk '/^RMS Pk dB/ {print $4}')
[[ $peak =~ ^-?[0-9.]+$ && $loudest =~ ^-?[0-9.]+$ ]] || fail "came out silent"
gain=$(awk -v p="$peak" -v l="$loudest" -v t="$kLoudest" -v c="$kPeakCeiling" \
  'BEGIN { g = t - l; if (p + g > c) g = c - p; printf "%.2f", g }')

sox "$work/cut.wav" -t wav -b 16 - gain "$gain" |
  lame --quiet --noreplaygain -m m -b 128 --resample 44.1 - "$partial" ||
  fail "cannot encode the MP3"
mv -f "$partial" "$final"
