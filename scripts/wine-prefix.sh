#!/usr/bin/env bash
# Prepares a build folder's Wine prefix (once) and its sound sink (every time).
# Must run under the display that later Wine commands use.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$1"
lane_suffix=""
[ "$PELORIN_LANE" = 0 ] || lane_suffix="-lane$PELORIN_LANE"
sink_home="$(cd "$1" && pwd)/wine-home$lane_suffix"
mkdir -p "$sink_home" "$PELORIN_CAPTURE_DIR"

# ALSA's default device becomes a file sink; the file name comes from the
# environment of the playing process, so parallel programs never share one.
cat > "$sink_home/.asoundrc" <<ALSA
pcm.!default {
    type file
    slave.pcm "null"
    file { @func getenv vars [ PELORIN_AUDIO_CAPTURE ] default "$PELORIN_CAPTURE_DIR/unnamed.raw" }
    format "raw"
}
# A second output, listed by Wine as "Out: cable": a stand-in for the
# virtual audio cable a voice chat takes as its microphone.
pcm.cable {
    type file
    slave.pcm "null"
    file { @func getenv vars [ PELORIN_AUDIO_CAPTURE_CABLE ] default "$PELORIN_CAPTURE_DIR/unnamed-cable.raw" }
    format "raw"
}
pcm.null { type null }
ctl.!default { type hw card 0 }
ALSA

if [ ! -f "$WINEPREFIX/.pelorin-ready" ]; then
    echo "== Creating the Wine prefix $WINEPREFIX (about 20 s, once per build folder)"
    "$PELORIN_WINE" wineboot.exe -i > "$sink_home/wineboot.log" 2>&1 || { cat "$sink_home/wineboot.log"; exit 1; }
    # "宋体" and "SimSun" resolve to the installed CJK font, and so do the
    # faces GDI+ uses for its generic families and the default GUI font. regedit reads a
    # UTF-16 file with its BOM as Unicode, whatever the ANSI code page.
    reg="$sink_home/fonts.reg"
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"SimSun"="WenQuanYi Zen Hei"\r\n"宋体"="WenQuanYi Zen Hei"\r\n"NSimSun"="WenQuanYi Zen Hei"\r\n"MS Shell Dlg"="WenQuanYi Zen Hei"\r\n"Microsoft Sans Serif"="WenQuanYi Zen Hei"\r\n"Times New Roman"="WenQuanYi Zen Hei"\r\n"Courier New"="WenQuanYi Zen Hei Mono"\r\n"Tahoma"="WenQuanYi Zen Hei"\r\n' |
        iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
    "$PELORIN_WINE" regedit.exe "Z:${reg//\//\\}" > "$sink_home/regedit.log" 2>&1
    wineserver -w
    touch "$WINEPREFIX/.pelorin-ready"
fi

# Imports a REGEDIT4 text into the prefix once; the marker file remembers it.
#   import_once <name> <registry text>
import_once() {
    local name=$1 text=$2 reg="$sink_home/$1.reg"
    [ -f "$WINEPREFIX/.pelorin-$name" ] && return 0
    printf 'REGEDIT4\r\n\r\n%s\r\n' "${text//$'\n'/$'\r\n'}" > "$reg"
    "$PELORIN_WINE" regedit.exe "Z:${reg//\//\\}" > "$sink_home/regedit-$name.log" 2>&1
    wineserver -w
    touch "$WINEPREFIX/.pelorin-$name"
}

# No window manager runs under Xvfb: a managed window makes Wine wait about
# 2 s for one at every hide and destroy. Unmanaged windows close at once.
import_once unmanaged '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"'

# Wine's ALSA driver lists the ALSA devices named here besides the default one.
import_once cable '[HKEY_CURRENT_USER\Software\Wine\Drivers\winealsa.drv]
"ALSAOutputDevices"=hex(7):63,61,62,6c,65,00,00'
