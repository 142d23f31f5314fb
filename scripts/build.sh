#!/usr/bin/env bash
# Configures and builds one architecture: scripts/build.sh <build-folder> <i686|x86_64> [cmake -D options...]
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
echo "== Building $build"
cmake --build "$build" -j "${PELORIN_JOBS:-$(nproc)}"
