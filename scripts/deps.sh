#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, when missing.
# Usage: scripts/deps.sh run|test
# As root it installs with apt-get; otherwise it prints the one command to run.
set -euo pipefail
purpose=${1:-test}

packages=(wine wine32 wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 xvfb xauth cmake ninja-build fonts-wqy-zenhei)
[ "$purpose" = test ] && packages+=(googletest)

need_i386=0
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ $need_i386 = 0 ] && [ ${#missing[@]} = 0 ]; then
    exit 0
fi

cmd="dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" != 0 ]; then
    echo "Missing packages: ${missing[*]:-(i386 architecture)}. Run as root:" >&2
    echo "  sudo sh -c '$cmd'" >&2
    exit 1
fi
echo "== Installing: ${missing[*]:-(i386 architecture)} (about two minutes on a new machine)"
[ $need_i386 = 1 ] && dpkg --add-architecture i386
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
