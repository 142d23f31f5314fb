#!/usr/bin/env bash
# Checks the release packages scripts/package.sh wrote into dist/ as a Windows
# user gets them: the checksums, the entries of each zip (one folder
# "Pelorin MINI版" with the program, its notes and exactly the shipped
# "yinxiao" and "tp" files), names flagged as UTF-8; then each zip this
# machine's Wine can run is unpacked into a new folder and the package test
# program runs on it in a fresh prefix (tests/package: the program starts
# skinned, plays a preset, and writes only config.txt and Data.ini).
#   tests/scripts/package_check.sh [<build folder with package_tests.exe>]
# (default build/<the architecture that runs>).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
export LC_ALL=C.UTF-8
source scripts/wine-env.sh "$root/build"   # only to learn PELORIN_RUN_ARCH
run_arch=$PELORIN_RUN_ARCH
build=$(cd "${1:-build/$run_arch}" && pwd)
version=$(head -n1 VERSION)
folder="Pelorin MINI版"
problems=()

u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
# The names of a zip's entries that are not plain ASCII and lack the UTF-8
# flag (bit 11 of the central directory's flags), one a line.
unflagged_names() {
    local zip=$1 end count at i flags length extra comment name
    end=$(($(stat -c %s "$zip") - 22))
    [ "$(u32 "$zip" $end)" = 101010256 ] || { echo "(no end record where one belongs)"; return; }
    count=$(u16 "$zip" $((end + 10)))
    at=$(u32 "$zip" $((end + 16)))
    for ((i = 0; i < count; i++)); do
        [ "$(u32 "$zip" "$at")" = 33639248 ] || { echo "(a broken central directory)"; return; }
        flags=$(u16 "$zip" $((at + 8)))
        length=$(u16 "$zip" $((at + 28)))
        extra=$(u16 "$zip" $((at + 30)))
        comment=$(u16 "$zip" $((at + 32)))
        name=$(tail -c +$((at + 47)) "$zip" | head -c "$length")
        if LC_ALL=C grep -q '[^ -~]' <<< "$name" && ((!(flags & 0x800))); then echo "$name"; fi
        at=$((at + 46 + length + extra + comment))
    done
}

# What a zip must hold, sorted as unzip -Z1 would list it after sorting.
expected_entries() {
    local assets
    printf '%s\n' "$folder/" "$folder/pelorin.exe" "$folder/使用说明.txt"
    for assets in tp yinxiao; do
        echo "$folder/$assets/"
        (cd "assets/$assets" && find . -type f | sed "s|^\./|$folder/$assets/|")
    done
}

(cd dist && sha256sum --quiet -c SHA256SUMS) || problems+=("dist/SHA256SUMS does not match the zips")
for arch in i686 x86_64; do
    name=Pelorin-MINI-$version-$arch.zip
    zip=dist/$name
    if [ ! -f "$zip" ]; then
        problems+=("no $zip")
        continue
    fi
    grep -q " $name\$" dist/SHA256SUMS || problems+=("$name has no line in dist/SHA256SUMS")
    entries=$(diff <(expected_entries | LC_ALL=C sort) <(unzip -Z1 "$zip" | LC_ALL=C sort) | sed -n 's/^\([<>]\) /\1/p')
    [ -z "$entries" ] || problems+=("$name: entries missing (<) or not wanted (>): $(echo $entries)")
    unflagged=$(unflagged_names "$zip")
    [ -z "$unflagged" ] || problems+=("$name: names without the UTF-8 flag: $(echo $unflagged)")
done

# The zip this machine can run: unpacked into a new folder, which also holds
# the fresh prefix the program runs in.
check="$root/dist/check-$run_arch"
rm -rf "$check"
mkdir -p "$check/unpacked"
log="$check/package-test.log"
if unzip -q "dist/Pelorin-MINI-$version-$run_arch.zip" -d "$check/unpacked" 2> "$log"; then
    unpacked="$check/unpacked/$folder"
    package_dir="Z:${unpacked//\//\\}"
    run='check=$1 && shift && scripts/wine-prefix.sh "$check" && cd "$1" && shift && exec "$@"'
    status=0
    PELORIN_PACKAGE_DIR=$package_dir timeout -k 10 600 xvfb-run -a -s "-screen 0 1280x1024x24" \
        bash -c "$run" _ "$check" "$build/bin" "$root/scripts/wine-exec.sh" "$check" package_tests.exe \
        > "$log" 2>&1 || status=$?
    (source scripts/wine-env.sh "$check" && wineserver -k 2> /dev/null) || true
    tr -d '\r' < "$log" | grep -E '^\[  (PASSED|FAILED|  SKIPPED) ' | sed 's/^/      /'
    if [ $status != 0 ]; then
        problems+=("the unpacked $run_arch package failed its test (exit code $status), see $log")
    elif ! tr -d '\r' < "$log" | grep -q '^\[  PASSED  \] 2 tests'; then
        problems+=("the package test did not run both its cases, see $log")
    fi
else
    problems+=("dist/Pelorin-MINI-$version-$run_arch.zip does not unpack: $(head -n1 "$log")")
fi

if [ ${#problems[@]} = 0 ]; then
    echo "PASS: release packages of $version: both zips hold the program, its notes and folders; the $run_arch one unpacked runs skinned, plays, writes only its two files"
    exit 0
fi
echo "FAIL: release packages of $version:"
printf '      %s\n' "${problems[@]}"
[ -f "$log" ] && tr -d '\r' < "$log" | grep -B2 -A8 'Failure\|FAILED' | head -n 60 | sed 's/^/        /'
exit 1
