#!/usr/bin/env bash
# Synthesises the twelve preset sound effects into assets/yinxiao/ (or the
# folder given as the first argument) with sox and lame from Debian.
# Reproducible: the same command gives the same bytes (sox runs with fixed
# seeds and no dither; lame with fixed options and no time-dependent tags).
#   tools/sounds/make-sounds.sh [output-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/assets/yinxiao}
for tool in sox lame; do
    command -v $tool > /dev/null || { echo "$tool is missing: apt-get install sox lame" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# All intermediate files: 44.1 kHz, 32-bit float, never dithered; -G lowers the
# gain wherever an effect or a mix would clip (the end result is normalised).
SOX=(sox -G -R -D)
FMT=(-r 44100 -e floating-point -b 32)

# tone <file> <seconds> <synth arguments...> -- [effects...]: a mono synthesised sound.
tone() {
    local file=$1 len=$2
    shift 2
    local synth=() effects=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do synth+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    effects=("$@")
    "${SOX[@]}" -n "${FMT[@]}" -c 1 "$file" synth "$len" "${synth[@]}" "${effects[@]}"
}

# pan <in> <out> <left gain> <right gain> [delay seconds]: mono to stereo, placed and delayed.
pan() {
    local delay=()
    [ "${5:-0}" != 0 ] && delay=(pad "$5")
    "${SOX[@]}" "$1" "${FMT[@]}" -c 2 "$2" remix "1v$3" "1v$4" "${delay[@]}"
}

# mix <out> <in...> [-- effects...]: the average of the inputs (which never clips), then the effects.
mix() {
    local dest=$1
    shift
    local inputs=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do inputs+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    if [ ${#inputs[@]} = 1 ]; then
        "${SOX[@]}" "${inputs[0]}" "${FMT[@]}" "$dest" "$@"
        return
    fi
    local share args=()
    share=$(echo "1 / ${#inputs[@]}" | bc -l)
    for f in "${inputs[@]}"; do args+=(-v "$share" "$f"); done
    "${SOX[@]}" -m "${args[@]}" "${FMT[@]}" "$dest" "$@"
}

# finish <stereo in> <name> <seconds>: exact length, peak at -1 dBFS, short fade-out, MP3.
finish() {
    local src=$1 name=$2 len=$3
    # (-V1: the end padding is usually cut by the trim, which sox would warn about)
    sox -V1 -R -D "$src" -r 44100 -c 2 -b 16 -e signed-integer final.wav \
        pad 0 "$len" trim 0 "$len" norm -1 fade t 0 "$len" 0.05
    # CBR 128 kbit/s joint stereo; the LAME info tag records delay and padding.
    lame --quiet --nohist --noreplaygain -b 128 --cbr -m j -q 2 final.wav "$out/$name.mp3"
}

# A "ha" voice: a buzzing voice through the formants of an open vowel, chopped into syllables.
laugh_voice() {
    local file=$1 pitch=$2 rate=$3 len=$4
    tone v.wav "$len" sawtooth "$pitch" -- vol 0.5
    tone h.wav "$len" pinknoise -- vol 0.15
    mix vf.wav v.wav h.wav -- vol 0.3 \
        sinc 250-3500 equalizer 800 2q 9 equalizer 1250 2q 7 equalizer 2600 3q 4 \
        tremolo "$rate" 100 tremolo "$rate" 100 fade h 0.05 "$len" 0.6
    mv vf.wav "$file"
}

make_laughter() {  # 群众笑声: a crowd laughing, voices spread across the room
    local parts=() i=0
    for voice in "230 5.2 2.6 0.9 0.4 0.00" "165 4.6 2.5 0.4 0.9 0.10" "290 5.8 2.3 0.7 0.6 0.25" \
                 "140 4.2 2.6 0.6 0.7 0.05" "255 6.3 2.2 1.0 0.3 0.35" "185 5.0 2.4 0.3 1.0 0.18"; do
        set -- $voice
        laugh_voice "m$i.wav" "$1" "$2" "$3"
        pan "m$i.wav" "s$i.wav" "$4" "$5" "$6"
        parts+=("s$i.wav")
        i=$((i + 1))
    done
    tone crowd.wav 2.8 brownnoise -- sinc 200-2000 tremolo 3 60 vol 0.25 fade h 0.3 2.8 1.2
    pan crowd.wav crowd2.wav 0.7 0.7
    mix laugh.wav "${parts[@]}" crowd2.wav
    "${SOX[@]}" laugh.wav lr.wav reverb 30 50 60
    finish lr.wav "群众笑声" 2.8
}

make_gong() {  # 敲锣声音: a struck gong, inharmonic partials beating slowly, long decay
    local parts=() i=0
    for partial in "88 1.0" "90.5 0.8" "141 0.7" "197 0.55" "263 0.45" "331 0.35" "422 0.3" "517 0.2" "683 0.15"; do
        set -- $partial
        tone "p$i.wav" 3.8 sine "$1" -- vol "$2" fade l 0 3.8 3.7
        parts+=("p$i.wav")
        i=$((i + 1))
    done
    tone strike.wav 0.25 pinknoise -- sinc 100-3000 vol 0.6 fade t 0 0.25 0.24
    mix g.wav "${parts[@]}" strike.wav
    "${SOX[@]}" g.wav gt.wav tremolo 1.7 25 overdrive 4 0
    pan gt.wav gs.wav 1 1
    "${SOX[@]}" gs.wav gr.wav reverb 40 30 80
    finish gr.wav "敲锣声音" 3.8
}

make_bell() {  # 敲钟声: a church bell: hum, prime, tierce, quint, nominal and their decays
    local parts=() i=0
    for partial in "261.6 0.6 3.0" "523.2 0.8 2.6" "627.8 0.6 2.0" "784.8 0.35 1.6" "1046.4 0.5 1.4" \
                   "1569.6 0.25 0.9" "2092.8 0.18 0.6" "2731 0.1 0.4"; do
        set -- $partial
        tone "b$i.wav" 3.0 sine "$1" -- vol "$2" fade l 0 3.0 "$3"
        parts+=("b$i.wav")
        i=$((i + 1))
    done
    tone clang.wav 0.06 whitenoise -- vol 0.5 sinc 2000-9000 fade t 0 0.06 0.06
    mix bell.wav "${parts[@]}" clang.wav
    pan bell.wav bs.wav 1 0.9
    "${SOX[@]}" bs.wav br.wav reverb 50 40 90
    finish br.wav "敲钟声" 3.0
}

make_crow() {  # 乌鸦飞过: three harsh caws moving from left to right, wing beats in between
    local caws=() i=0
    for caw in "0.00 1.0 0.25 640" "0.55 0.55 0.6 600" "1.10 0.2 1.0 560"; do
        set -- $caw
        tone "c$i.wav" 0.38 sawtooth "$4-$(($4 * 7 / 10))" -- vol 0.2 \
            sinc 300-4000 equalizer 1400 1.5q 10 equalizer 2300 2q 6 tremolo 73 70 overdrive 8 0 \
            fade h 0.03 0.38 0.2
        pan "c$i.wav" "cs$i.wav" "$2" "$3" "$1"
        caws+=("cs$i.wav")
        i=$((i + 1))
    done
    tone wings.wav 1.6 brownnoise -- sinc 150-900 tremolo 6 100 vol 0.25 fade h 0.2 1.6 0.6
    pan wings.wav ws.wav 0.5 0.5 0.2
    mix crow.wav "${caws[@]}" ws.wav
    "${SOX[@]}" crow.wav cr.wav reverb 40 50 70
    finish cr.wav "乌鸦飞过" 2.2
}

# A choir chord on one vowel: four parts, each two slightly detuned buzzing voices.
# choir_chord <file> <seconds> <vowel F1> <vowel F2> <frequencies...>
choir_chord() {
    local file=$1 len=$2 f1=$3 f2=$4
    shift 4
    local voices=() i=0
    for f in "$@"; do
        tone "cv${i}a.wav" "$len" sawtooth "$f" -- vol 0.3
        tone "cv${i}b.wav" "$len" sawtooth "$(echo "$f * 1.006" | bc -l)" -- vol 0.3
        voices+=("cv${i}a.wav" "cv${i}b.wav")
        i=$((i + 1))
    done
    mix "$file" "${voices[@]}" -- vol 0.3 \
        sinc 120-4000 equalizer "$f1" 1.5q 10 equalizer "$f2" 2q 8 equalizer 2800 2q 4 fade h 0.06 "$len" 0.08
}

make_hallelujah() {  # 哈里路亚: a choir singing "Hal-le-lu-jah", the last syllable held
    choir_chord s1.wav 0.40 750 1150 196.0 293.7 392.0 493.9   # Hal  (G major)
    choir_chord s2.wav 0.40 550 1800 196.0 293.7 392.0 493.9   # le
    choir_chord s3.wav 0.50 350 800 261.6 329.6 392.0 523.3    # lu   (C major)
    choir_chord s4.wav 2.20 750 1150 196.0 293.7 392.0 587.3   # jah  (G major)
    "${SOX[@]}" s1.wav s2.wav s3.wav s4.wav "${FMT[@]}" sung.wav
    pan sung.wav cs.wav 1 1
    "${SOX[@]}" cs.wav cr.wav pad 0 0.3 reverb 60 40 100 fade t 0.02 3.8 0.9
    finish cr.wav "哈里路亚" 3.6
}

make_opening() {  # 霸气: a dramatic opening sting: a timpani "dun", then a huge brass and cymbal hit
    tone t1.wav 0.8 sine 70-45 -- vol 0.9 fade l 0 0.8 0.75
    local brass=() i=0
    for f in 73.4 110 146.8 174.6 220 293.7; do  # D minor, low and wide
        tone "br$i.wav" 2.6 sawtooth "$f" -- vol 0.35 fade l 0.02 2.6 2.4
        brass+=("br$i.wav")
        i=$((i + 1))
    done
    mix brass.wav "${brass[@]}" -- sinc -2200 overdrive 6 0
    tone t2.wav 1.6 sine 60-38 -- vol 1.0 fade l 0 1.6 1.5
    tone crash.wav 2.6 whitenoise -- vol 0.35 sinc 4000 fade l 0 2.6 2.5
    mix hit.wav brass.wav t2.wav crash.wav
    pan t1.wav s1.wav 1 1
    pan hit.wav s2.wav 1 1 0.55
    mix sting.wav s1.wav s2.wav
    "${SOX[@]}" sting.wav sr.wav reverb 50 50 100
    finish sr.wav "霸气" 3.2
}

make_boing() {  # 卡通: a cartoon spring "boing": a wobbling tone that springs up and rings out
    tone boing.wav 1.2 sine 140 -- vol 0.45 \
        bend 0,1200,0.08 0,-700,0.07 0,600,0.07 0,-500,0.07 0,400,0.07 0,-300,0.07 0,250,0.07 0,-200,0.07 \
             0,150,0.07 0,-100,0.07 \
        fade t 0.005 1.2 0.6
    tone boing2.wav 1.2 square 140 -- vol 0.12 sinc -1500 \
        bend 0,1200,0.08 0,-700,0.07 0,600,0.07 0,-500,0.07 0,400,0.07 0,-300,0.07 0,250,0.07 0,-200,0.07 \
             0,150,0.07 0,-100,0.07 \
        fade t 0.005 1.2 0.6
    mix b.wav boing.wav boing2.wav
    pan b.wav bs.wav 1 1
    finish bs.wav "卡通" 1.2
}

# A brass note: buzzing tone, bright but not harsh. brass_note <file> <seconds> <frequency>
brass_note() {
    tone "$1" "$2" sawtooth "$3" -- vol 0.35 sinc -3500 equalizer 1200 1q 5 tremolo 5.5 8 fade t 0.015 "$2" 0.08
}

make_news() {  # 新闻联播: a news-broadcast fanfare: rising brass arpeggio, then a held bright chord over timpani
    local notes=() i=0 at=0
    for n in 392.0 523.3 659.3 784.0; do
        brass_note "n$i.wav" 0.22 "$n"
        pan "n$i.wav" "ns$i.wav" 1 1 "$at"
        notes+=("ns$i.wav")
        at=$(echo "$at + 0.18" | bc -l)
        i=$((i + 1))
    done
    local chord=() j=0
    for n in 261.6 392.0 523.3 659.3 784.0 1046.5; do
        brass_note "h$j.wav" 2.2 "$n"
        chord+=("h$j.wav")
        j=$((j + 1))
    done
    mix held.wav "${chord[@]}" -- fade t 0.02 2.2 0.7
    pan held.wav hs.wav 1 1 0.75
    tone roll.wav 2.9 sine 65 -- tremolo 14 80 vol 0.6 fade t 0.5 2.9 0.8
    pan roll.wav rs.wav 0.9 0.9
    mix news.wav "${notes[@]}" hs.wav rs.wav
    "${SOX[@]}" news.wav nr.wav reverb 40 40 80
    finish nr.wav "新闻联播" 3.0
}

# The heavy "clunk" of a stage spotlight's switch.
clunk() {
    tone thump.wav 0.25 sine 90-50 -- vol 0.9 fade l 0 0.25 0.24
    tone click.wav 0.03 whitenoise -- sinc 1500-8000 vol 0.7 fade t 0 0.03 0.03
    mix "$1" thump.wav click.wav
}

make_light_on() {  # 非诚勿扰亮灯: the switch clunks, the light powers up with a rising, shining chord
    clunk k.wav
    tone rise.wav 1.0 sine 300:1200 -- vol 0.35 fade t 0.05 1.0 0.4
    tone shine1.wav 1.0 sine 1318.5 -- vol 0.2 fade t 0.3 1.0 0.5
    tone shine2.wav 1.0 sine 1975.5 -- vol 0.15 fade t 0.4 1.0 0.5
    tone hum.wav 1.1 sawtooth 100 -- sinc -600 vol 0.12 fade t 0.1 1.1 0.5
    mix up.wav rise.wav shine1.wav shine2.wav hum.wav
    pan k.wav ks.wav 1 1
    pan up.wav us.wav 1 1 0.12
    mix on.wav ks.wav us.wav
    "${SOX[@]}" on.wav onr.wav reverb 30 40 60
    finish onr.wav "非诚勿扰亮灯" 1.5
}

make_light_off() {  # 非诚勿扰灭灯: the switch clunks, the light dies away with a falling tone
    clunk k.wav
    tone fall.wav 1.0 sine 1000:120 -- vol 0.4 fade t 0 1.0 0.8
    tone buzz.wav 0.9 sawtooth 100:40 -- vol 0.2 sinc -800 fade t 0 0.9 0.85
    mix down.wav fall.wav buzz.wav
    pan k.wav ks.wav 1 1
    pan down.wav ds.wav 1 1 0.05
    mix off.wav ks.wav ds.wav
    "${SOX[@]}" off.wav offr.wav reverb 30 40 60
    finish offr.wav "非诚勿扰灭灯" 1.4
}

make_explosion() {  # 炸弹: a bomb: a sharp blast, a deep boom, rumble and debris fading out
    tone blast.wav 3.4 brownnoise -- sinc -1200 vol 1.0 overdrive 12 0 fade l 0.005 3.4 3.2
    tone boom.wav 1.6 sine 55-28 -- vol 0.9 fade l 0 1.6 1.5
    tone crackle.wav 1.2 whitenoise -- vol 0.3 sinc 2000 tremolo 23 90 fade l 0 1.2 1.1
    mix bomb.wav blast.wav boom.wav crackle.wav
    pan bomb.wav bs.wav 1 1
    "${SOX[@]}" bs.wav br.wav reverb 60 50 100
    finish br.wav "炸弹" 3.4
}

make_copyright() {  # 版权: a short bright sign-off jingle on a mallet instrument
    local notes=() i=0 at=0
    for n in 659.3 523.3 784.0 1046.5; do
        tone "m${i}a.wav" 0.9 sine "$n" -- vol 0.6 fade l 0.003 0.9 0.85
        tone "m${i}b.wav" 0.5 sine "$(echo "$n * 4" | bc -l)" -- vol 0.15 fade l 0.003 0.5 0.45
        mix "m$i.wav" "m${i}a.wav" "m${i}b.wav"
        pan "m$i.wav" "ms$i.wav" 1 1 "$at"
        notes+=("ms$i.wav")
        at=$(echo "$at + 0.22" | bc -l)
        i=$((i + 1))
    done
    mix jingle.wav "${notes[@]}"
    "${SOX[@]}" jingle.wav jr.wav reverb 40 40 80
    finish jr.wav "版权" 1.8
}

make_laughter
make_gong
make_bell
make_crow
make_hallelujah
make_opening
make_boing
make_news
make_light_on
make_light_off
make_explosion
make_copyright
echo "== Twelve preset sounds in $out"
