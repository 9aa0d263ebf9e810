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
cd "$work"
final=$out/$caption.mp3
partial=$out/.$caption.mp3.partial.$$
trap 'rm -rf "$work" "$partial"' EXIT

fail() { echo "make-sound-pack: \"$caption\": $*" >&2; exit 1; }

source "$here/pieces.sh"
source "$here/effects.sh"
source "$here/speech.sh"

# Loudness: the loudest 400 ms of every sound, weighted the way the ear hears (more treble,
# no rumble), is brought to the same level, unless that would lift a peak above -2 dBFS. The
# level is about what Mandarin speech reaches at that ceiling, so spoken captions and effects
# sound alike; the ceiling leaves room for the MP3 encoder's overshoot: no decoded sample clips.
readonly kLoudest=-16 kPeakCeiling=-2 kLongest=3.8

# loudest_of WAV: the energy of the loudest 400 ms, in dBFS, from 100 ms blocks four at a time
# (sox's own windowed figure misses the first window, where a shot is loudest).
loudest_of() {
  sox "$1" -t dat - highpass 38 treble 4 1500 | awk '
    /^;/ { next }
    { e += $2 * $2; if (++n == 4410) { block[blocks++] = e; e = 0; n = 0 } }
    END {
      if (n) block[blocks++] = e
      for (i = 0; i < blocks; i++) {
        sum = 0
        for (j = i; j < i + 4 && j < blocks; j++) sum += block[j]
        if (sum > best) best = sum
      }
      if (best > 0) printf "%.2f\n", 10 * log(best / 17640) / log(10)
    }'
}

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
loudest=$(loudest_of "$work/cut.wav")
[[ $peak =~ ^-?[0-9.]+$ && $loudest =~ ^-?[0-9.]+$ ]] || fail "came out silent"
gain=$(awk -v p="$peak" -v l="$loudest" -v t="$kLoudest" -v c="$kPeakCeiling" \
  'BEGIN { g = t - l; if (p + g > c) g = c - p; printf "%.2f", g }')

sox "$work/cut.wav" -t wav -b 16 - gain "$gain" |
  lame --quiet --noreplaygain -m m -b 128 --resample 44.1 - "$partial" ||
  fail "cannot encode the MP3"
mv -f "$partial" "$final"
