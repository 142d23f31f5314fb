#!/usr/bin/env bash
# Makes the release packages a Windows user downloads:
#   dist/Pelorin-MINI-<version>-i686.zip, dist/Pelorin-MINI-<version>-x86_64.zip
#   and dist/SHA256SUMS.
#
#   scripts/package.sh [<build-folder-i686> <build-folder-x86_64>]
#
# The build folders default to build/i686 and build/x86_64. An existing folder
# is reused as it is built: only the program is brought up to date (nothing
# when the tests' build already linked it), so packaging after a test run
# compiles nothing. A folder without a build is configured as scripts/run.sh
# does (no tests, no benchmarks) and the program built.
#
# Each zip holds one folder "Pelorin MINI版" with the stripped pelorin.exe,
# the "yinxiao" and "tp" folders the build puts beside it, and 使用说明.txt.
# The package fails when the .exe is a debug build, larger than 2 MB, or
# imports a DLL outside the list below.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export LC_ALL=C.UTF-8

version=$(head -n1 VERSION)
folder_name="Pelorin MINI版"
max_exe_bytes=2000000

# The DLLs the program may import: each ships with every Windows from 7 on.
allowed_dlls=(
    KERNEL32.dll  # processes, files, memory
    USER32.dll    # windows, messages, hotkeys
    GDI32.dll     # device contexts, regions, bitmaps
    gdiplus.dll   # the skin's drawing and the PNG/JPEG pictures
    COMCTL32.dll  # list view, track bar, tooltips, window subclassing
    comdlg32.dll  # the open-file dialog
    SHELL32.dll   # ShellExecute: opening a web address in the browser
    ole32.dll     # COM start-up, and the memory streams GDI+ decodes pictures from
    WINMM.dll     # waveOut playback
    MSACM32.dll   # MP3 decoding through the Audio Compression Manager
    MSIMG32.dll   # AlphaBlend and TransparentBlt of the skin
    msvcrt.dll    # the C runtime MinGW-w64 builds against
    ADVAPI32.dll  # registry and security calls of the runtime libraries
)

case $# in
    0) builds=("build/i686" "build/x86_64") ;;
    2) builds=("$1" "$2") ;;
    *)
        echo "usage: scripts/package.sh [<build-folder-i686> <build-folder-x86_64>]" >&2
        exit 2
        ;;
esac
arches=(i686 x86_64)

fail() {
    echo "== Package FAILED: $*" >&2
    exit 1
}

# The program of a build folder, up to date; fails on a debug build.
build_program() {
    local build=$1 arch=$2 type
    if [ -f "$build/CMakeCache.txt" ]; then
        grep -q "^CMAKE_TOOLCHAIN_FILE:.*toolchain-mingw-$arch.cmake$" "$build/CMakeCache.txt" ||
            fail "$build is not a build for $arch"
        echo "== Bringing the program of $build up to date"
        cmake --build "$build" -t pelorin > "$build/package-build.log" 2>&1 ||
            { cat "$build/package-build.log"; fail "the program of $build does not build"; }
    else
        PELORIN_COMPILE_ONLY=0 scripts/build.sh "$build" "$arch" -DPELORIN_TESTS=OFF -DPELORIN_BENCH=OFF
    fi
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
    type=${type:-Release}  # left empty, the build takes the project's default
    [ "$type" = Release ] || fail "$build is a $type build; a release is built as Release"
}

# The imports of an .exe that are not allowed, one a line.
unexpected_imports() {
    local exe=$1 triple=$2 dll allowed
    "$triple-objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | while read -r dll; do
        for allowed in "${allowed_dlls[@]}"; do
            [ "${dll,,}" = "${allowed,,}" ] && continue 2
        done
        echo "$dll"
    done
}

# Notepad on Windows 7 shows a text file right in UTF-16LE with a byte-order
# mark and CR LF line ends.
write_notes() {
    sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' docs/release/使用说明.txt | iconv -f UTF-8 -t UTF-16LE |
        { printf '\xff\xfe'; cat; } > "$1"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Info-ZIP's zip 3.0 stores the names as UTF-8 with the zip's UTF-8 flag only
# when it can switch to the locale "en_US.UTF-8"; without that locale the flag
# is missing and Windows' Explorer reads "Pelorin MINI版" in the OEM code page.
# Where it is not generated, glibc's C.utf8 under that name does the same.
if ! locale -a 2> /dev/null | grep -qix 'en_US.utf-\?8'; then
    mkdir -p "$work/locale"
    cp -r /usr/lib/locale/C.utf8 "$work/locale/en_US.UTF-8"
    cp -r /usr/lib/locale/C.utf8 "$work/locale/C.utf8"  # LOCPATH replaces the system's folder
    export LOCPATH="$work/locale"
fi

mkdir -p dist
dist=$(cd dist && pwd)
rm -f "$dist"/Pelorin-MINI-*.zip "$dist/SHA256SUMS"
# Every file of the zips carries the time of the last commit, so the same
# commit gives the same bytes.
stamp=$(git log -1 --format=%ct 2> /dev/null || date +%s)

for i in 0 1; do
    build=${builds[$i]} arch=${arches[$i]}
    triple=$arch-w64-mingw32
    build_program "$build" "$arch"
    bin="$build/bin"
    for assets in yinxiao tp; do
        # What the build copied must be what the tree holds: nothing stale or extra.
        diff -r "assets/$assets" "$bin/$assets" > /dev/null ||
            fail "$bin/$assets differs from assets/$assets (rebuild the program)"
    done

    staging="$work/$arch"
    out="$staging/$folder_name"
    mkdir -p "$out"
    # strip writes the time into the PE header: the commit's, not the clock's.
    SOURCE_DATE_EPOCH=$stamp "$triple-strip" -o "$out/pelorin.exe" "$bin/pelorin.exe"
    cp -r "$bin/yinxiao" "$bin/tp" "$out/"
    write_notes "$out/使用说明.txt"

    size=$(stat -c %s "$out/pelorin.exe")
    [ "$size" -lt "$max_exe_bytes" ] || fail "pelorin.exe ($arch) has $size bytes, more than $max_exe_bytes"
    bad=$(unexpected_imports "$out/pelorin.exe" "$triple")
    [ -z "$bad" ] || fail "pelorin.exe ($arch) imports DLLs outside the list of this script: $(echo $bad)"

    zip_name="Pelorin-MINI-$version-$arch.zip"
    find "$out" -exec touch -h -d "@$stamp" {} +
    (cd "$staging" && find "$folder_name" | LC_ALL=C sort | zip -q -X -9 "$dist/$zip_name" -@)
    echo "== $zip_name: pelorin.exe $size bytes, zip $(stat -c %s "$dist/$zip_name") bytes"
done

(cd "$dist" && sha256sum Pelorin-MINI-"$version"-i686.zip Pelorin-MINI-"$version"-x86_64.zip > SHA256SUMS)
echo "== Packages of version $version in $dist (checksums in SHA256SUMS)"
