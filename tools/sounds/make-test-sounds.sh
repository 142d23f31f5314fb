#!/usr/bin/env bash
# Makes the small MP3 files the audio tests decode and play, into
# tests/app/audio/data/ (or the folder given). Reproducible like make-sounds.sh.
#   steps.mp3        1.5 s, 44.1 kHz stereo, LAME tag: a 440 Hz tone whose level
#                    changes every 100 ms (a fingerprint that shows order, gaps
#                    and loudness); it is loud from its very first sample.
#   steps-notag.mp3  the same sound without the info frame (no LAME tag).
#   mono22k.mp3      1.0 s, 22.05 kHz mono (MPEG-2), the same kind of steps.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/tests/app/audio/data}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# steps <file> <rate> <levels...>: 100 ms segments of a 440 Hz cosine (44 whole
# periods each, so the segments join without a jump in phase).
steps() {
    local file=$1 rate=$2 parts=() i=0
    shift 2
    for level in "$@"; do
        sox -R -D -n -r "$rate" -c 1 -e floating-point -b 32 "p$i.wav" synth 0.1 sine 440 0 25 vol "$level"
        parts+=("p$i.wav")
        i=$((i + 1))
    done
    sox -R -D "${parts[@]}" -b 16 -e signed-integer "$file"
}

steps s.wav 44100 0.9 0.3 0.6 0.15 0.8 0.45 0.7 0.2 0.5 0.85 0.25 0.65 0.35 0.75 0.4
sox -R -D s.wav -c 2 s2.wav remix 1v1 1v0.8
lame --quiet --nohist --noreplaygain -b 128 --cbr -m j -q 2 s2.wav "$out/steps.mp3"
lame --quiet --nohist --noreplaygain -b 128 --cbr -m j -q 2 -t s2.wav "$out/steps-notag.mp3"

steps m.wav 22050 0.8 0.2 0.6 0.35 0.9 0.1 0.7 0.45 0.55 0.3
lame --quiet --nohist --noreplaygain -b 64 --cbr -m m -q 2 m.wav "$out/mono22k.mp3"
echo "== Test sounds in $out"
