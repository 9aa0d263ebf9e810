#!/usr/bin/env bash
# Makes the sound files the audio library's tests decode, with real encoders (sox, lame):
# a 1 s 440 Hz tone in every WAV layout we read and in the MP3 shapes we meet.
# Usage: make-fixtures.sh <folder>
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"
tone() { sox -n -r "$1" -c "$2" "${@:4}" "$3" synth 1 sine 440 gain -6; }

tone 44100 2 wav-s16-stereo.wav -t wavpcm -e signed-integer -b 16
tone 44100 1 wav-s16-mono.wav -t wavpcm -e signed-integer -b 16
tone 44100 2 wav-u8-stereo.wav -t wavpcm -e unsigned-integer -b 8
tone 48000 2 wav-s24-stereo.wav -t wavpcm -e signed-integer -b 24
tone 44100 1 wav-s32-mono.wav -t wavpcm -e signed-integer -b 32
tone 44100 2 wav-f32-stereo.wav -t wavpcm -e floating-point -b 32
# sox writes WAVE_FORMAT_EXTENSIBLE for these without -t wavpcm.
tone 44100 2 wav-ext-s24-stereo.wav -e signed-integer -b 24
tone 22050 1 wav-ext-f32-mono.wav -e floating-point -b 32
tone 44100 1 wav-adpcm.wav -e ima-adpcm

# For the sink: a longer tone, a second pitch to mix with, and a tone that changes half-way.
sox -n -r 44100 -c 2 -b 16 long-440.wav synth 3 sine 440 gain -6
sox -n -r 44100 -c 2 -b 16 tone-660.wav synth 1 sine 660 gain -6
sox -n -r 44100 -c 2 -b 16 half-440.wav synth 0.5 sine 440 gain -6
sox -n -r 44100 -c 2 -b 16 half-880.wav synth 0.5 sine 880 gain -6
sox half-440.wav half-880.wav two-tones.wav
rm -f half-440.wav half-880.wav

tone 44100 2 src-44k.wav -e signed-integer -b 16
tone 22050 1 src-22k.wav -e signed-integer -b 16
lame --quiet -b 128 src-44k.wav mp3-cbr.mp3
lame --quiet -V 2 src-44k.wav mp3-vbr.mp3
lame --quiet -b 128 --tt "Tone" --ta "Board" --add-id3v2 --pad-id3v2-size 3000 src-44k.wav mp3-id3v2.mp3
lame --quiet -b 128 --tt "Tone" --ta "Board" --id3v1-only src-44k.wav mp3-id3v1.mp3
lame --quiet -b 32 src-22k.wav mp3-mpeg2-mono.mp3
# No Xing/Info frame: the length comes from the bit rate.
lame --quiet -b 128 -t src-44k.wav mp3-noxing.mp3
rm -f src-44k.wav src-22k.wav
touch stamp
