#!/usr/bin/env bash
# Installs what building, running, testing and benchmarking need on Debian 12,
# when missing. As root it installs with apt-get; otherwise it prints the one
# command to run.
#
#   scripts/deps.sh run|test        the 64-bit set, then the 32-bit set
#   scripts/deps.sh bench <arch>    the test set and the GStreamer plugins that
#                                   Wine's MCI "mpegvideo" type uses, for the
#                                   architecture (i686|x86_64) that runs; no
#                                   32-bit set (bench.sh asks for "test" first)
#
# The 64-bit set is everything the x86_64 build, its tests and run.sh need; it
# must install. The 32-bit set (the i386 architecture and wine32) is a best
# effort: a mirror whose i386 index is mid-sync makes wine32 uninstallable for
# hours, and then the tests run the x86_64 build and only compile the i686 one.
# The 32-bit set costs a network round trip, so it is tried only when the
# 64-bit set had to be installed anyway, on a machine where it was never tried,
# or when PELORIN_TRY_32BIT=1. A failed try is remembered in $PELORIN_DEPS_STATE
# (default /var/lib/pelorin), which keeps later runs quick and silent.
#
# Sourcing this file only defines the functions (tests/scripts uses that).

deps_state_dir() { echo "${PELORIN_DEPS_STATE:-/var/lib/pelorin}"; }

# The packages a purpose requires; the 32-bit set is never among them.
deps_required_packages() {
    local purpose=$1 arch=${2:-x86_64}
    local packages=(wine wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 xvfb xauth cmake ninja-build fonts-wqy-zenhei)
    case $purpose in
        run) ;;
        # zip and unzip make and check the release packages (scripts/package.sh).
        test) packages+=(googletest zip unzip) ;;
        bench)
            packages+=(googletest)
            local suffix=""
            [ "$arch" = i686 ] && suffix=":i386"
            packages+=("gstreamer1.0-plugins-base$suffix" "gstreamer1.0-plugins-good$suffix")
            ;;
        *)
            echo "deps.sh: unknown purpose '$purpose' (run, test or bench)" >&2
            return 2
            ;;
    esac
    echo "${packages[@]}"
}

# The given packages that are not installed.
deps_missing() {
    local p missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    echo "${missing[@]}"
}

# The first error apt printed into a log, as one short line.
deps_first_error() {
    local line
    line=$(grep -m1 -E '^(E|W): ' "$1" | sed -e 's/ *\[IP: [^]]*\]//' || true)
    [ -n "$line" ] || line=$(tail -n1 "$1" || true)
    echo "${line:0:200}"
}

# apt-get update, tried a few times; an index that still fails is a warning.
deps_apt_update() {
    local log=$1 tries=${PELORIN_APT_TRIES:-3} pause=${PELORIN_APT_PAUSE:-5} i
    for ((i = 1; i <= tries; i++)); do
        apt-get update -q > "$log" 2>&1 && return 0
        [ "$i" -lt "$tries" ] && sleep "$pause"
    done
    echo "== Warning: apt-get update still fails after $tries tries, going on with the indexes it got: $(deps_first_error "$log")"
    return 0
}

deps_apt_install() {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

# Whether this run should try the 32-bit set (wine32 known to be missing).
deps_should_try_32bit() {
    local installed_64=$1
    [ "$installed_64" = 1 ] && return 0
    [ "${PELORIN_TRY_32BIT:-0}" = 1 ] && return 0
    [ ! -e "$(deps_state_dir)/wine32-failed" ]
}

# The 32-bit set, best effort: never fails, says in one line when it cannot.
deps_try_32bit() {
    local log=$1 updated=$2 state
    state=$(deps_state_dir)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        if ! dpkg --add-architecture i386 > "$log" 2>&1; then
            deps_32bit_failed "the i386 architecture cannot be added: $(deps_first_error "$log")"
            return 0
        fi
        updated=0
    fi
    [ "$updated" = 1 ] || deps_apt_update "$log.update"
    if deps_apt_install wine32:i386 > "$log" 2>&1; then
        rm -f "$state/wine32-failed"
        echo "== Installed wine32: the tests run the i686 build where Wine's 32-bit loader starts"
        return 0
    fi
    deps_32bit_failed "$(deps_first_error "$log")"
}

# Says in one line that the 32-bit set cannot be had, and remembers it.
deps_32bit_failed() {
    local state
    state=$(deps_state_dir)
    mkdir -p "$state" && echo "$(date -u '+%F %T') $1" > "$state/wine32-failed"
    echo "== The 32-bit set (wine32) cannot be installed now ($1): the tests run the x86_64 build and compile the i686 one; PELORIN_TRY_32BIT=1 scripts/deps.sh tries again"
}

deps_main() {
    local purpose=${1:-test} arch=${2:-x86_64} required missing want_32=0
    required=$(deps_required_packages "$purpose" "$arch") || return 2
    # shellcheck disable=SC2086  # word lists
    missing=$(deps_missing $required)
    [ "$purpose" != bench ] && [ -n "$(deps_missing wine32:i386)" ] && want_32=1
    if [ -z "$missing" ] && { [ $want_32 = 0 ] || ! deps_should_try_32bit 0; }; then
        return 0
    fi

    if [ "$(id -u)" != 0 ]; then
        # Without root only a missing 64-bit package stops the run; wine32 is optional.
        [ -n "$missing" ] || return 0
        echo "Missing packages: $missing. Run as root:" >&2
        echo "  sudo sh -c 'apt-get update; DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing'" >&2
        echo "and, optionally, for the i686 build's tests (needs a kernel that starts 32-bit programs):" >&2
        echo "  sudo sh -c 'dpkg --add-architecture i386 && apt-get update; apt-get install -y --no-install-recommends wine32:i386'" >&2
        return 1
    fi

    local logs installed_64=0
    logs=$(mktemp -d)
    if [ -n "$missing" ]; then
        echo "== Installing: $missing (about a minute on a new machine)"
        deps_apt_update "$logs/update"
        # shellcheck disable=SC2086
        if ! deps_apt_install $missing > "$logs/install" 2>&1; then
            tail -n 20 "$logs/install"
            echo "== Could not install: $missing ($(deps_first_error "$logs/install"))" >&2
            rm -rf "$logs"
            return 1
        fi
        installed_64=1
    fi
    if [ $want_32 = 1 ] && deps_should_try_32bit $installed_64; then
        deps_try_32bit "$logs/install32" $installed_64
    fi
    rm -rf "$logs"
    return 0
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    deps_main "$@"
fi
