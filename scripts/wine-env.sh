# Sourced with the build folder as argument: the environment every Wine
# command of that build runs in. Each build folder owns its prefix, and HOME
# points at a folder of the build whose .asoundrc routes sound into files.
#
# PELORIN_WINE is the Wine loader to use. Some kernels (for instance VMs
# without 32-bit emulation) cannot start 32-bit Linux programs, so Wine's
# 32-bit loader, and with it every 32-bit Windows program, cannot run there;
# the 64-bit loader and 64-bit builds still do. PELORIN_RUN_ARCH says which
# of the program's builds can run on this machine.
#
# Tests run in parallel lanes (scripts/test.sh): ctest hands each test one
# "display" resource: lane N runs on its own virtual display
# (PELORIN_LANE_DISPLAY_N) and, for N > 0, in its own prefix and HOME, so
# parallel programs never share a screen, a pointer, a focus or a wineserver.
_build=$(mkdir -p "$1" && cd "$1" && pwd)
_lane=${PELORIN_LANE:-}
if [ -n "${CTEST_RESOURCE_GROUP_0_DISPLAY:-}" ]; then
    _lane=${CTEST_RESOURCE_GROUP_0_DISPLAY#id:}
    _lane=${_lane%%,*}
fi
_suffix=""
if [ -n "$_lane" ]; then
    [ "$_lane" = 0 ] || _suffix="-lane$_lane"
    _display_var=PELORIN_LANE_DISPLAY_$_lane
    if [ -n "${!_display_var:-}" ]; then
        export DISPLAY=${!_display_var}
        unset XAUTHORITY
    fi
    unset _display_var
fi
export PELORIN_LANE=${_lane:-0}
export WINEPREFIX="$_build/wineprefix$_suffix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# PELORIN_REAL_AUDIO=1 keeps the real HOME so sound reaches the speakers.
[ "${PELORIN_REAL_AUDIO:-0}" = 1 ] || export HOME="$_build/wine-home$_suffix"
export PELORIN_CAPTURE_DIR="$_build/audio-capture"
if [ -z "${PELORIN_WINE:-}" ]; then
    if /usr/lib/wine/wine --version > /dev/null 2>&1; then
        export PELORIN_WINE=/usr/lib/wine/wine PELORIN_RUN_ARCH=i686
    else
        export PELORIN_WINE=/usr/lib/wine/wine64 PELORIN_RUN_ARCH=x86_64
    fi
    [ -x "$PELORIN_WINE" ] || PELORIN_WINE=wine
    export WINELOADER=$PELORIN_WINE
fi
unset _build _lane _suffix
