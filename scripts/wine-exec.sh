#!/usr/bin/env bash
# Runs a Windows program of a build under Wine: scripts/wine-exec.sh <build> <program> [args...]
# Each run gets its own audio capture files: whatever the program plays through
# the default sound device, and through the second device "cable", is written
# there as raw PCM (tests read it back).
set -eu
here=$(dirname "$0")
source "$here/wine-env.sh" "$1"
shift
mkdir -p "$PELORIN_CAPTURE_DIR"
PELORIN_AUDIO_CAPTURE=$(mktemp "$PELORIN_CAPTURE_DIR/run-XXXXXX.raw")
# The second output device, "cable" (a stand-in for a virtual audio cable).
PELORIN_AUDIO_CAPTURE_CABLE=${PELORIN_AUDIO_CAPTURE%.raw}-cable.raw
: > "$PELORIN_AUDIO_CAPTURE_CABLE"
export PELORIN_AUDIO_CAPTURE PELORIN_AUDIO_CAPTURE_CABLE
# Wine's background services, started by whichever program comes first,
# inherit its output and keep it open long after it ended; a caller reading
# that output through a pipe (ctest) would then wait forever. So the program
# writes into a file, which is passed on when it ends.
# A terminal cannot be held like that, and there the output is shown as it comes.
if [ -t 1 ]; then
    exec "$PELORIN_WINE" "$@" < /dev/null
fi
output=$(mktemp "$PELORIN_CAPTURE_DIR/output-XXXXXX.txt")
status=0
"$PELORIN_WINE" "$@" > "$output" 2>&1 < /dev/null || status=$?
cat "$output"
rm -f "$output"
exit $status
