#!/usr/bin/env bash
# The README's first command on a machine without a display: scripts/run.sh
# must start the program on a virtual display, save a screenshot once the
# window has painted, and end cleanly when the window is closed.
#   tests/scripts/run_check.sh <build folder>   (an already built folder)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
log="$build/run-check.log"
screenshot="$build/screenshot.png"
rm -f "$screenshot"

status=0
(cd "$root" && env -u DISPLAY BUILD_DIR="$build" PELORIN_RUN_SECONDS=6 timeout -k 10 300 scripts/run.sh) > "$log" 2>&1 || status=$?

problems=()
[ $status = 0 ] || problems+=("scripts/run.sh exited with $status")
grep -q "^== No display: the window runs on a virtual X display" "$log" || problems+=("no word of the virtual display")
grep -q "^== The window is up" "$log" || problems+=("the window never came up")
grep -q "^== The window has painted" "$log" || problems+=("the window was not seen painted")
grep -qx "== The program ended (exit code 0)" <(tr -d '\r' < "$log") || problems+=("the program did not end with exit code 0 when closed")
# A PNG file begins with these eight bytes.
[ "$(head -c 8 "$screenshot" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    problems+=("no PNG screenshot at $screenshot")

if [ ${#problems[@]} = 0 ]; then
    echo "PASS: scripts/run.sh without a display: started, painted (screenshot $screenshot), closed cleanly"
    exit 0
fi
echo "FAIL: scripts/run.sh without a display:"
printf '      %s\n' "${problems[@]}"
echo "      its output ($log):"
tail -n 30 "$log" | sed 's/^/        /'
exit 1
