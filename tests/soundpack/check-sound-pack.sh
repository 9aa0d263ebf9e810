#!/usr/bin/env bash
# Makes a handful of preset sounds the way scripts/dist.sh does and checks what a user's board
# would load: MP3 at 44.1 kHz, at most 4 s, audible and not clipped; then that a second run
# keeps them, that an outdated one is remade, and that captions unfit for a file name are refused.
# Usage: check-sound-pack.sh <path of make-sound-pack.sh>
set -uo pipefail
export LC_ALL=C.UTF-8
maker=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Speech in simplified and traditional characters, a name with a space and Latin letters, and
# two effects, one of them all sharp transients.
captions=("狗叫" "遊戲結束" "Cs 音效" "救护车" "机枪扫射")
list=$(printf '%s\n' "${captions[@]}")
pack=$scratch/data/music

# The catalogue gives every caption once, the awkward ones included.
listed=$(bash "$maker" --list) || fail "--list failed"
for caption in "Cs 音效" "遊戲結束" "婚礼开场(女声)" "Crazy Frog特效" "搞笑1" "猴子请救兵"; do
  grep -qxF "$caption" <<<"$listed" || fail "catalogue caption \"$caption\" not listed"
done
[[ -z $(sort <<<"$listed" | uniq -d) ]] || fail "captions listed twice: $(sort <<<"$listed" | uniq -d)"
(($(wc -l <<<"$listed") >= 200)) || fail "only $(wc -l <<<"$listed") captions listed"

BOARD_SOUND_PACK_CAPTIONS=$list bash "$maker" "$pack" || fail "first run failed"
for caption in "${captions[@]}"; do
  file=$pack/$caption.mp3
  if [[ ! -s $file ]]; then
    fail "\"$caption\": no file"
    continue
  fi
  type=$(soxi -t "$file") rate=$(soxi -r "$file") seconds=$(soxi -D "$file")
  [[ $type == mp3 ]] || fail "\"$caption\": type $type, not mp3"
  [[ $rate == 44100 ]] || fail "\"$caption\": $rate Hz, not 44100"
  awk -v s="$seconds" 'BEGIN { exit !(s > 0.3 && s <= 4.0) }' ||
    fail "\"$caption\": lasts $seconds s"
  read -r peak loudest < <(sox "$file" -n stats 2>&1 |
    awk '/^Pk lev dB/ {p = $4} /^RMS Pk dB/ {r = $4} END {print p, r}')
  # A sound clipped before encoding decodes with its peak at or just under full scale.
  awk -v p="$peak" 'BEGIN { exit !(p < -0.5) }' || fail "\"$caption\": peak $peak dBFS, clipped"
  awk -v r="$loudest" 'BEGIN { exit !(r > -30) }' || fail "\"$caption\": loudest part $loudest dBFS"
done
ls -A "$pack" | grep -v '\.mp3$' && fail "files other than the sounds left in the folder"

# A second run keeps every sound as it is, and clears what a killed run left half-written.
before=$(stat -c '%n %Y %i' "$pack"/*.mp3)
touch "$pack/.狗叫.mp3.partial.4242"
output=$(BOARD_SOUND_PACK_CAPTIONS=$list bash "$maker" "$pack") || fail "second run failed"
[[ $(stat -c '%n %Y %i' "$pack"/*.mp3) == "$before" ]] || fail "second run rewrote sounds"
grep -q "up to date" <<<"$output" || fail "second run said: $output"
[[ ! -e $pack/.狗叫.mp3.partial.4242 ]] || fail "a half-written sound was left in the folder"

# A sound older than the scripts that make it is made again; the rest are kept.
touch -d 2000-01-01 "$pack/救护车.mp3"
output=$(BOARD_SOUND_PACK_CAPTIONS=$list bash "$maker" "$pack") || fail "third run failed"
grep -q "made 1 of 5" <<<"$output" || fail "third run said: $output"
[[ $(stat -c %Y "$pack/救护车.mp3") -gt 946684800 ]] || fail "outdated sound not remade"

# A caption that would name a file elsewhere stops the run before anything is written.
if BOARD_SOUND_PACK_CAPTIONS=$'狗叫\n../逃出' bash "$maker" "$scratch/other" 2>/dev/null; then
  fail "a caption with a slash was accepted"
fi
[[ ! -e $scratch/other && ! -e $scratch/逃出.mp3 ]] || fail "a refused run still wrote files"
bash "$maker" >/dev/null 2>&1
(($? == 2)) || fail "a run without a folder did not end with a usage error"

((failures == 0)) && echo "sound pack checks passed"
((failures == 0))
