#!/usr/bin/env bash
# Runs a Windows program of a build under Wine: scripts/wine-exec.sh <build> <program> [args...]
# Each run gets its own audio capture file: whatever the program plays through
# the default sound device is written there as raw PCM (tests read it back).
set -eu
here=$(dirname "$0")
source "$here/wine-env.sh" "$1"
shift
mkdir -p "$PELORIN_CAPTURE_DIR"
PELORIN_AUDIO_CAPTURE=$(mktemp "$PELORIN_CAPTURE_DIR/run-XXXXXX.raw")
export PELORIN_AUDIO_CAPTURE
exec "$PELORIN_WINE" "$@"
