#!/usr/bin/env bash
# Configures and builds one architecture: scripts/build.sh <build-folder> <i686|x86_64> [cmake -D options...]
#   PELORIN_COMPILE_ONLY=1  compile every file, but link only the program
#                           (for the architecture whose tests do not run here)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 arch=$2
mkdir -p "$build"
shift 2
# Configured every time (a second or two): folders of the tree that appeared
# since the last run are picked up.
echo "== Configuring $build ($arch)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-$arch.cmake" "$@" > "$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; exit 1; }
jobs=${PELORIN_JOBS:-$(nproc)}
if [ "${PELORIN_COMPILE_ONLY:-0}" = 1 ]; then
    echo "== Compiling $build (every file; only the program is linked)"
    mapfile -t objects < <(ninja -C "$build" -t targets all | sed -n 's/^\([^:]*\.obj\): .*/\1/p' | grep -v '^googletest/')
    ninja -C "$build" -j "$jobs" pelorin "${objects[@]}"
else
    echo "== Building $build"
    cmake --build "$build" -j "$jobs"
fi
