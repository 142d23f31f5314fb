#!/usr/bin/env bash
# What scripts/deps.sh decides to install, with apt-get, dpkg, dpkg-query and
# id replaced by stubs on PATH: no network, nothing installed for real. Each
# case sets up a machine (installed packages, architectures, a mirror whose
# update or wine32 install fails) and checks the calls made and the outcome.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

stubs=$work/stubs
mkdir -p "$stubs"
# The machine a stub sees: $machine/installed (one package a line, as dpkg-query
# is asked), $machine/arches, $machine/calls (every apt-get and dpkg call).
cat > "$stubs/dpkg-query" <<'EOF'
#!/bin/bash
p=${!#}
grep -qx -- "$p" "$STUB_MACHINE/installed" && { printf 'install ok installed'; exit 0; }
exit 1
EOF
cat > "$stubs/dpkg" <<'EOF'
#!/bin/bash
echo "dpkg $*" >> "$STUB_MACHINE/calls"
case $1 in
    --print-foreign-architectures) cat "$STUB_MACHINE/arches" ;;
    --add-architecture)
        [ -z "${STUB_NO_NEW_ARCH:-}" ] || { echo "dpkg: error: cannot add architecture $2"; exit 2; }
        echo "$2" >> "$STUB_MACHINE/arches" ;;
    *) exit 2 ;;
esac
EOF
cat > "$stubs/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $*" >> "$STUB_MACHINE/calls"
case $1 in
    update)
        n=$(($(cat "$STUB_MACHINE/updates" 2>/dev/null || echo 0) + 1))
        echo $n > "$STUB_MACHINE/updates"
        if [ "$n" -le "${STUB_UPDATE_FAILURES:-0}" ]; then
            echo "E: Failed to fetch http://mirror/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]"
            echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
            exit 100
        fi ;;
    install)
        for p in "$@"; do
            if [[ " ${STUB_UNINSTALLABLE:-} " == *" $p "* ]]; then
                echo "E: Unable to correct problems, you have held broken packages."
                exit 100
            fi
        done
        for p in "$@"; do [[ $p == -* || $p == install ]] || echo "$p" >> "$STUB_MACHINE/installed"; done ;;
esac
EOF
cat > "$stubs/id" <<'EOF'
#!/bin/bash
echo "${STUB_UID:-0}"
EOF
chmod +x "$stubs"/*

passed=0 failed=0
# new_machine <installed packages...>: a machine with the i386 architecture
# absent; later set-up lines may change it.
new_machine() {
    machine=$work/machine-$((passed + failed))
    rm -rf "$machine"
    mkdir -p "$machine/state"
    : > "$machine/arches"
    : > "$machine/calls"
    printf '%s\n' "$@" > "$machine/installed"
}
# run_deps <args...>: runs deps.sh on the machine; sets $out and $rc.
run_deps() {
    out=$(PATH="$stubs:$PATH" STUB_MACHINE=$machine PELORIN_DEPS_STATE=$machine/state PELORIN_APT_PAUSE=0 \
        bash "$root/scripts/deps.sh" "$@" 2>&1)
    rc=$?
}
calls() { cat "$machine/calls"; }
count() { grep -c -- "$1" "$machine/calls"; }
is_installed() { grep -qx -- "$1" "$machine/installed"; }

errors=()
check() {  # check <description> <command...>
    local what=$1
    shift
    "$@" || errors+=("$what")
}
finish() {  # finish <case name>
    if [ ${#errors[@]} = 0 ]; then
        echo "PASS: $1"
        passed=$((passed + 1))
    else
        echo "FAIL: $1"
        printf '      expected: %s\n' "${errors[@]}"
        echo "      exit code $rc; output:"
        sed 's/^/        /' <<< "$out"
        echo "      calls:"
        calls | sed 's/^/        /'
        failed=$((failed + 1))
    fi
    errors=()
}

set_64=(wine wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 xvfb xauth cmake ninja-build fonts-wqy-zenhei)
# What the tests add to it: the framework, and zip/unzip for the release packages.
set_test=(googletest zip unzip)

# Everything there: nothing said, nothing asked of apt or the network.
new_machine "${set_64[@]}" "${set_test[@]}" wine32:i386
echo i386 > "$machine/arches"
run_deps test
check "exit 0" test $rc = 0
check "no output" test -z "$out"
check "no apt-get call" test "$(count apt-get)" = 0
finish "everything installed: quick and silent"

# This machine today: the 64-bit set there, wine32 missing, never tried.
new_machine "${set_64[@]}" "${set_test[@]}"
echo i386 > "$machine/arches"
STUB_UPDATE_FAILURES=99 STUB_UNINSTALLABLE="wine32:i386" run_deps test
check "exit 0" test $rc = 0
check "one wine32 install tried" test "$(count 'apt-get install.*wine32:i386')" = 1
check "update retried three times" test "$(count 'apt-get update')" = 3
check "a warning naming the failing index" grep -q "Warning: apt-get update still fails after 3 tries.*unexpected size" <<< "$out"
check "one line on what follows" grep -q "wine32) cannot be installed now (E: Unable to correct problems.*the tests run the x86_64 build and compile the i686 one" <<< "$out"
check "the failure remembered" test -s "$machine/state/wine32-failed"
check "nothing else installed" test "$(count 'apt-get install')" = 1
finish "64-bit set present, wine32 not installable: one try, one line, go on"

# The next run on that machine: the failed try is known, no network.
rm -f "$machine/calls" "$machine/updates"
touch "$machine/calls"
run_deps test
check "exit 0" test $rc = 0
check "no output" test -z "$out"
check "no apt-get call" test "$(count apt-get)" = 0
finish "wine32 known not installable: quick and silent"

# ... unless asked to try again.
PELORIN_TRY_32BIT=1 STUB_UNINSTALLABLE="wine32:i386" run_deps test
check "exit 0" test $rc = 0
check "wine32 tried again" test "$(count 'apt-get install.*wine32:i386')" = 1
finish "PELORIN_TRY_32BIT=1 tries wine32 again"

# A fresh machine and a broken i386 index: the 64-bit set first, then the 32-bit set.
new_machine
STUB_UPDATE_FAILURES=99 STUB_UNINSTALLABLE="wine32:i386" run_deps test
check "exit 0" test $rc = 0
check "64-bit set installed in one call" grep -qx "apt-get install -y -q --no-install-recommends ${set_64[*]} ${set_test[*]}" "$machine/calls"
check "googletest installed" is_installed googletest
check "zip installed" is_installed zip
check "unzip installed" is_installed unzip
check "wine32 not in the 64-bit call" test "$(count 'apt-get install.*wine64.*wine32')" = 0
check "i386 added after the 64-bit install" test "$(grep -n -e '--add-architecture i386' "$machine/calls" | cut -d: -f1)" -gt "$(grep -n 'install.*wine64' "$machine/calls" | cut -d: -f1)"
check "indexes updated again for i386" test "$(count 'apt-get update')" = 6
check "one line on the 32-bit set" test "$(grep -c 'cannot be installed now' <<< "$out")" = 1
check "no GStreamer for the tests" test "$(count gstreamer)" = 0
finish "fresh machine, broken i386 index: 64-bit set installed, 32-bit set skipped with one line"

# A failed try is remembered, but installing the 64-bit set pays for the
# update anyway, so wine32 is tried again with the same indexes.
new_machine "${set_64[@]}"
echo i386 > "$machine/arches"
touch "$machine/state/wine32-failed"
STUB_UPDATE_FAILURES=99 STUB_UNINSTALLABLE="wine32:i386" run_deps test
check "exit 0" test $rc = 0
check "googletest installed" is_installed googletest
check "wine32 tried" test "$(count 'apt-get install.*wine32:i386')" = 1
check "indexes updated once (three tries)" test "$(count 'apt-get update')" = 3
finish "64-bit package missing, wine32 failed before: tried again along with it"

# A fresh machine on a healthy mirror: both sets, nothing remembered.
new_machine
STUB_UPDATE_FAILURES=1 run_deps test
check "exit 0" test $rc = 0
check "wine32 installed" is_installed wine32:i386
check "no failure remembered" test ! -e "$machine/state/wine32-failed"
check "update succeeded on its second try without warning" test "$(grep -c Warning <<< "$out")" = 0
finish "fresh machine, healthy mirror: 64-bit and 32-bit sets installed"

# A dpkg that refuses the i386 architecture: the same best effort.
new_machine "${set_64[@]}" "${set_test[@]}"
STUB_NO_NEW_ARCH=1 run_deps test
check "exit 0" test $rc = 0
check "one line naming the cause" grep -q "wine32) cannot be installed now (the i386 architecture cannot be added: dpkg: error" <<< "$out"
check "no apt-get call" test "$(count apt-get)" = 0
check "the failure remembered" test -s "$machine/state/wine32-failed"
finish "i386 architecture refused: one line, go on"

# The 64-bit set itself failing is an error.
new_machine
STUB_UNINSTALLABLE="cmake" run_deps test
check "exit non-zero" test $rc != 0
check "says what could not be installed" grep -q "Could not install: .*cmake" <<< "$out"
check "no 32-bit try after that" test "$(count 'wine32')" = 0
finish "64-bit set not installable: error"

# Not root: the one command to run, nothing run.
new_machine "${set_64[@]}" zip unzip
STUB_UID=1000 run_deps test
check "exit non-zero" test $rc != 0
check "the command names the missing package" grep -q "apt-get install -y --no-install-recommends googletest'" <<< "$out"
check "the update in the command may fail without stopping it" grep -q "sudo sh -c 'apt-get update; " <<< "$out"
check "no apt-get call" test "$(count apt-get)" = 0
finish "not root, googletest missing: prints the command"

new_machine "${set_64[@]}" "${set_test[@]}"
STUB_UID=1000 run_deps test
check "exit 0" test $rc = 0
check "no output" test -z "$out"
check "no apt-get call" test "$(count apt-get)" = 0
finish "not root, only wine32 missing: goes on silently"

# What each purpose needs.
new_machine "${set_64[@]}"
echo i386 > "$machine/arches"
touch "$machine/state/wine32-failed"
run_deps run
check "exit 0" test $rc = 0
check "run needs no googletest" test "$(count apt-get)" = 0
finish "run.sh's set has no test framework"

new_machine "${set_64[@]}" googletest
touch "$machine/state/wine32-failed"
run_deps bench x86_64
check "exit 0" test $rc = 0
check "64-bit GStreamer plugins installed" grep -qx "apt-get install -y -q --no-install-recommends gstreamer1.0-plugins-base gstreamer1.0-plugins-good" "$machine/calls"
check "no wine32 try for the benchmarks" test "$(count wine32)" = 0
check "nothing said of wine32" test "$(grep -c wine32 <<< "$out")" = 0
finish "bench on x86_64: the 64-bit GStreamer plugins, no 32-bit try"

new_machine "${set_64[@]}" googletest wine32:i386
echo i386 > "$machine/arches"
run_deps bench i686
check "exit 0" test $rc = 0
check "32-bit GStreamer plugins installed" grep -qx "apt-get install -y -q --no-install-recommends gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386" "$machine/calls"
finish "bench on i686: the 32-bit GStreamer plugins"

new_machine "${set_64[@]}" googletest
touch "$machine/state/wine32-failed"
STUB_UNINSTALLABLE="gstreamer1.0-plugins-good" run_deps bench x86_64
check "exit non-zero" test $rc != 0
finish "bench plugins not installable: error"

echo "deps_test: $passed passed, $failed failed"
[ "$failed" = 0 ]
