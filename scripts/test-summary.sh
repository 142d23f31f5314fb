#!/usr/bin/env bash
# The closing lines of a test run, from GoogleTest's XML reports (one a ctest
# entry, in <build>/test-reports) and ctest's log:
#   scripts/test-summary.sh <build folder> <ctest log> <start time (date +%s)> <ctest seconds>
# Prints the ten slowest entries and cases, then
#   "tests: N passed, N failed, N skipped in M min S s"
# (the time of the whole run, builds included). An entry that left no report
# (its program crashed or hung) counts as one failed case. Exits 1 when
# anything failed or nothing ran.
set -uo pipefail
build=$1 log=$2 started=$3 ctest_seconds=$4
reports="$build/test-reports"

cases=$(mktemp)
trap 'rm -f "$cases"' EXIT
# One line a case: seconds, outcome, Suite.Case. Reports are written with one
# element a line; a case that failed has <failure> lines before </testcase>.
for xml in "$reports"/*.xml; do
    [ -e "$xml" ] || continue
    awk '
        function attr(name,   m) {
            if (match($0, " " name "=\"[^\"]*\"")) { m = substr($0, RSTART, RLENGTH); sub(/^[^"]*"/, "", m); sub(/"$/, "", m); return m }
            return ""
        }
        function flush() { if (open) print time, outcome, suite "." name; open = 0 }
        /<testcase / {
            flush()
            name = attr("name"); suite = attr("classname"); time = attr("time")
            outcome = (attr("result") == "skipped" || attr("status") == "notrun") ? "skipped" : "passed"
            open = 1
            if ($0 ~ /\/>[[:space:]]*$/) flush()
            next
        }
        /<failure / { if (open) outcome = "failed" }
        /<skipped / { if (open && outcome != "failed") outcome = "skipped" }
        /<\/testcase>/ { flush() }
        END { flush() }
    ' "$xml" >> "$cases"
done

# ctest entries that left no report.
missing=0
while read -r entry; do
    [ -e "$reports/$entry.xml" ] || { missing=$((missing + 1)); echo "== No report from $entry (it crashed, hung or did not start)"; }
done < <(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*/\1/p' "$log")

passed=$(awk '$2 == "passed"' "$cases" | wc -l)
failed=$(( $(awk '$2 == "failed"' "$cases" | wc -l) + missing ))
skipped=$(awk '$2 == "skipped"' "$cases" | wc -l)

echo "== The ten slowest test programs (ctest entries)"
sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/\2 \1/p' "$log" | sort -rn | head -10 |
    awk '{ printf "   %8.1f s  %s\n", $1, $2 }'
echo "== The ten slowest test cases"
sort -rn "$cases" | head -10 | awk '{ printf "   %8.1f s  %s\n", $1, $3 }'
awk '$2 == "failed" { print "== FAILED case: " $3 }' "$cases"

total=$(($(date +%s) - started))
echo "== ctest took $((ctest_seconds / 60)) min $((ctest_seconds % 60)) s"
echo "tests: $passed passed, $failed failed, $skipped skipped in $((total / 60)) min $((total % 60)) s"
[ "$failed" = 0 ] && [ "$passed" -gt 0 ]
