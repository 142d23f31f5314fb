#!/usr/bin/env bash
# Configures and builds one architecture: scripts/build.sh <build-folder> <i686|x86_64> [cmake -D options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 arch=$2
shift 2
if [ ! -f "$build/build.ninja" ]; then
    echo "== Configuring $build ($arch)"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-$arch.cmake" "$@" > /dev/null
fi
echo "== Building $build"
cmake --build "$build" -j "${PELORIN_JOBS:-$(nproc)}"
