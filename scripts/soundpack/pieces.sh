# Building blocks of the synthesized effects; sourced by render.sh.
# Every piece is a mono 44.1 kHz float WAV, so layering many of them keeps its headroom until
# the final level is set once for the whole sound.

piece_format=(-r 44100 -c 1 -e floating-point -b 32)

# new OUT EFFECT...: a piece made from nothing, usually starting with "synth".
new() {
  local out=$1
  shift
  sox -n "${piece_format[@]}" "$out" "$@"
}

# shape IN OUT EFFECT...: a piece made from another.
shape() {
  local in=$1 out=$2
  shift 2
  sox "$in" "${piece_format[@]}" "$out" "$@"
}

# chain OUT IN...: pieces one after another.
chain() {
  local out=$1
  shift
  sox "$@" "${piece_format[@]}" "$out"
}

# place OUT MS PIECE@MS[@GAIN]...: pieces laid on a silent timeline MS milliseconds long, each
# starting at its own time; a piece that runs past the end is cut there. One sox does it all:
# every placement becomes a channel holding a copy of its piece, each channel is delayed to its
# time and the channels are summed, which costs far less than a process per placement.
place() {
  local out=$1 length=$(($2 * 441 / 10))s
  shift 2
  local files=() channels=() delays=() piece file at gain
  local -A channel_of=()
  for piece in "$@"; do
    IFS=@ read -r file at gain <<<"$piece"
    if [[ -z ${channel_of[$file]:-} ]]; then
      files+=("$file")
      channel_of[$file]=${#files[@]}
    fi
    channels+=("${channel_of[$file]}v${gain:-1}")
    delays+=("$((at * 441 / 10))s")
  done
  local merge=()
  ((${#files[@]} > 1)) && merge=(-M)
  # The quarter volume keeps overlapping pieces from clipping in sox's fixed-point sum. The
  # result peaks at -3 dBFS like a freshly synthesized piece, so a timeline laid into another
  # timeline weighs what its gain says.
  sox "${merge[@]}" "${files[@]}" "${piece_format[@]}" "$out" vol 0.25 \
    remix -m "${channels[@]}" delay "${delays[@]}" remix -m "1-${#channels[@]}" \
    pad 0 "$length" trim 0 "$length" gain -n -3
}

# samples MS: a time for sox, in samples, so that no decimal point is needed.
samples() { echo "$(($1 * 441 / 10))s"; }

# pick VAR LO HI: a random whole number from LO to HI into VAR. A function called as $(...)
# would draw from a copy of RANDOM and give the same number each time; this one does not.
pick() { printf -v "$1" '%d' $(($2 + RANDOM % ($3 - $2 + 1))); }

# ring OUT HZ DECAY_S LENGTH_S: one struck partial that falls 100 dB over DECAY_S seconds.
ring() {
  new "$1" synth "$3" sine "$2" fade l 0.002 "$3" "$3" trim 0 "$4"
}

# strike OUT LENGTH_S HZ:GAIN:DECAY_S...: a struck metal body, its partials ringing together.
strike() {
  local out=$1 length=$2
  shift 2
  local parts=() i=0 piece hz gain decay
  local ms=$(awk -v s="$length" 'BEGIN { printf "%d", s * 1000 }')
  for piece in "$@"; do
    IFS=: read -r hz gain decay <<<"$piece"
    ring "$out.$i.wav" "$hz" "$decay" "$length"
    parts+=("$out.$i.wav@0@$gain")
    i=$((i + 1))
  done
  place "$out" "$ms" "${parts[@]}"
}

# note OUT NAME SECONDS WAVE EFFECT...: one note of a tune.
note() {
  local out=$1 name=$2 seconds=$3 wave=$4
  shift 4
  new "$out" synth "$seconds" "$wave" "$name" "$@"
}
