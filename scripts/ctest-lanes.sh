#!/usr/bin/env bash
# Runs a build's ctest entries headless in parallel lanes and prints a summary:
#   scripts/ctest-lanes.sh <build folder> <start time (date +%s)> [ctest arguments...]
# Each lane has its own virtual display (Xvfb), Wine prefix and wineserver
# (scripts/wine-env.sh), so programs running at the same time never share a
# screen, the pointer, the focus or a hotkey. ctest hands every entry one
# lane as its "display" resource.
#   PELORIN_TEST_LANES  how many lanes (default: the number of cores, at most 4)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
started=$2
shift 2

lanes=${PELORIN_TEST_LANES:-$(nproc)}
[ "$lanes" -ge 1 ] 2>/dev/null || lanes=1
[ "$lanes" -le 4 ] || lanes=4

work="$build/test-lanes"
reports="$build/test-reports"
rm -rf "$work" "$reports"
mkdir -p "$work" "$reports"

xvfb_pids=()
stop_lanes() {
    local lane
    for ((lane = 0; lane < lanes; lane++)); do
        (PELORIN_LANE=$lane source "$root/scripts/wine-env.sh" "$build" && wineserver -k 2>/dev/null) || true
    done
    [ ${#xvfb_pids[@]} = 0 ] || kill "${xvfb_pids[@]}" 2>/dev/null || true
}
trap stop_lanes EXIT

# One virtual display a lane; Xvfb picks a free display number itself.
for ((lane = 0; lane < lanes; lane++)); do
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display-$lane" > "$work/xvfb-$lane.log" 2>&1 &
    xvfb_pids+=($!)
done
for ((lane = 0; lane < lanes; lane++)); do
    for _ in $(seq 100); do
        [ -s "$work/display-$lane" ] && break
        sleep 0.1
    done
    number=$(tr -dc 0-9 < "$work/display-$lane")
    [ -n "$number" ] || { echo "== FAILED: the virtual display of lane $lane did not start"; cat "$work/xvfb-$lane.log"; exit 1; }
    export "PELORIN_LANE_DISPLAY_$lane=:$number"
done

# Each lane's prefix is made (once) and its server started under its display.
pids=()
for ((lane = 0; lane < lanes; lane++)); do
    (
        export PELORIN_LANE=$lane
        source "$root/scripts/wine-env.sh" "$build"
        wineserver -k 2>/dev/null || true
        "$root/scripts/wine-prefix.sh" "$build" && wineserver -p > /dev/null 2>&1
    ) &
    pids+=($!)
done
for pid in "${pids[@]}"; do
    wait "$pid" || { echo "== FAILED: a lane's Wine prefix could not be prepared"; exit 1; }
done
source "$root/scripts/wine-env.sh" "$build"
rm -rf "$PELORIN_CAPTURE_DIR"
mkdir -p "$PELORIN_CAPTURE_DIR"

resources="$work/resources.json"
{
    printf '{"version": {"major": 1, "minor": 0}, "local": [{"display": ['
    for ((lane = 0; lane < lanes; lane++)); do
        [ "$lane" = 0 ] || printf ', '
        printf '{"id": "%d", "slots": 1}' "$lane"
    done
    printf ']}]}\n'
} > "$resources"

echo "== Running the tests headless under Wine in $lanes lanes"
ctest_started=$(date +%s)
status=0
ctest --test-dir "$build" --output-on-failure -j "$lanes" --resource-spec-file "$resources" --timeout 900 \
    -O "$work/ctest.log" "$@" || status=$?
ctest_seconds=$(($(date +%s) - ctest_started))

# The cases, from GoogleTest's reports; a program that left no report (it
# crashed or hung) counts as one failed case.
bash "$root/scripts/test-summary.sh" "$build" "$work/ctest.log" "$started" "$ctest_seconds" || status=1
exit $status
