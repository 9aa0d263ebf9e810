# The spoken caption, for sounds no synthesizer can imitate; sourced by render.sh.
#
# Debian's espeak-ng 1.51 "cmn" voice turns each Chinese character into pinyin and then reads
# that pinyin as English words ("狗" comes out as "gow three"), so Chinese goes through
# "cmn-latn-pinyin", which reads the same pinyin as Mandarin. That voice in turn spells English
# words as pinyin, so runs of Latin letters ("Crazy Frog", "love you") go to the English voice.
readonly kChineseVoice=cmn-latn-pinyin kLatinVoice=en

# speak CAPTION OUT WORK: the caption read aloud into OUT.
speak() {
  local rest=$1 out=$2 work=$3 run voice i=0
  local parts=()
  while [[ -n $rest ]]; do
    if [[ $rest =~ ^([A-Za-z][A-Za-z\ ]*)(.*)$ ]]; then
      run=${BASH_REMATCH[1]} voice=$kLatinVoice
      # Short words are initials ("CS", "DJ", "CF"): spelled, not read as a word.
      ((${#run} <= 3)) && run=${run^^}
    else
      [[ $rest =~ ^([^A-Za-z]+)(.*)$ ]]
      run=${BASH_REMATCH[1]} voice=$kChineseVoice
    fi
    rest=${BASH_REMATCH[2]}
    [[ $run == *[![:space:]]* ]] || continue
    # The text goes in on standard input so that no caption is taken for an option.
    printf '%s\n' "$run" | espeak-ng -v "$voice" -s 150 -w "$work/say$i.wav" --stdin || return 1
    parts+=("$work/say$i.wav")
    i=$((i + 1))
  done
  ((${#parts[@]})) || return 1
  # The voices speak at 22.05 kHz; sox resamples on the way into the 44.1 kHz piece.
  chain "$out" "${parts[@]}"
}
