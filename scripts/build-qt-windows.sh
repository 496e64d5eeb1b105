#!/usr/bin/env bash
# Makes Qt for 64-bit Windows (MinGW-w64) from Debian 12's own qt6-base source, once, and
# prints the folder it is in (the only line on standard output; progress goes to standard
# error). The folder lies in a cache outside the clone, named by the source version and a
# hash of the recipe (the options below, our patch and the compilers' toolchain file), so
# a changed recipe makes a new Qt and an unchanged one is reused.
#
# A copy made the same way may be kept in a shared folder (SHIFTER_WINDOWS_QT_SHARED,
# by default ../shared/windows-qt beside the clone or beside the repository it was
# cloned from): when its archive is there and its SHA-256 is the one below, it is
# unpacked instead of building, which takes seconds instead of about 35 minutes of two
# cores (66 CPU-minutes, 0.8 GB of memory, 1.2 GB of
# disk for source and build tree, freed when done).
#
#   SHIFTER_CACHE_DIR          the cache (default ${XDG_CACHE_HOME:-$HOME/.cache}/shifter-calibration)
#   SHIFTER_WINDOWS_QT_SHARED  the shared copy's folder; empty: always build from source
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

source_package=qt6-base
source_version=6.4.2+dfsg-10
shared_archive=qt6-mingw-6.4.2-x86_64.tar.xz
shared_sha256=ccf7d996263f90bb65cdb4893cdf23863e96ba1bdc373422653f4e0e58028f42
patch_file="$top/packaging/windows/qt-6.4.2-windows-plugin.patch"
toolchain="$top/cmake/mingw-w64-x86_64-compilers.cmake"
# Qt Base only, as the program needs it: Core, Gui, Widgets, Test, the windows and
# offscreen platforms. Tablets off: Debian's +dfsg source leaves out the wintab headers.
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
         -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
         -DFEATURE_pkg_config=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
         -DFEATURE_direct2d=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
         -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
         -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF)

recipe=$(sha256sum <(printf '%s\n' "$source_package $source_version" "${options[@]}";
                     cat "$patch_file" "$toolchain") | cut -c1-12)
cache="${SHIFTER_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/shifter-calibration}"
prefix="$cache/qt-mingw-$source_version-$recipe"
# The shared copy lies beside the clone, or beside the repository it was cloned from.
shared_beside() {
    local place
    for place in "$top" "$(git -C "$top" remote get-url origin 2>/dev/null || true)"; do
        if [ -n "$place" ] && [ -d "$place/../shared/windows-qt" ]; then
            echo "$place/../shared/windows-qt"
            return
        fi
    done
}
shared="${SHIFTER_WINDOWS_QT_SHARED-$(shared_beside)}"

if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "$prefix"
    exit 0
fi
mkdir -p "$cache"
# Everything is made beside the prefix and moved there last, so an interrupted run
# leaves no half Qt behind that a later run would take.
work=$(mktemp -d "$cache/.qt-work.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The shared copy, unpacked into $work/install when it is there and whole.
take_shared_copy() {
    [ -n "$shared" ] && [ -f "$shared/$shared_archive" ] || return 1
    if ! echo "$shared_sha256  $shared/$shared_archive" | sha256sum --check --status; then
        echo "$shared/$shared_archive does not have the expected SHA-256; building Qt instead" >&2
        return 1
    fi
    echo "Unpacking the shared Qt for Windows from $shared" >&2
    tar -xJf "$shared/$shared_archive" -C "$work"
    mv "$work/qt6-mingw" "$work/install"
}

# Debian's source, through a private apt configuration so that the system's stays as it
# is (the deb-src line uses the mirror of the system's own sources), with our patch,
# built and installed into $work/install.
build_from_source() {
    echo "Building Qt for Windows from Debian's $source_package $source_version" \
         "(about 35 minutes on two cores)" >&2
    "$top/scripts/install-deps.sh" windows-qt-source >&2
    mkdir -p "$work/apt/lists/partial"
    local uri
    uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri bookworm main" \
        > "$work/apt/sources.list"
    local apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
                       -o Dir::Etc::SourceParts=/dev/null -o "Dir::State::Lists=$work/apt/lists")
    (
        cd "$work"
        apt-get "${apt_options[@]}" update -q
        apt-get "${apt_options[@]}" source --download-only "$source_package=$source_version"
        dpkg-source -x "${source_package}_$source_version.dsc" source  # applies Debian's patches
        patch -d source -p1 < "$patch_file"
        cmake -G Ninja -S source -B build -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DCMAKE_INSTALL_PREFIX="$work/install" "${options[@]}"
        ninja -C build -j2
        cmake --install build
    ) >&2
}

take_shared_copy || build_from_source

# Where this Qt's source is, for the packages that ship its DLLs.
{
    echo "Qt for Windows (MinGW-w64), built from Debian 12's $source_package source package"
    echo "version $source_version (https://snapshot.debian.org/package/$source_package/${source_version/+/%2B}/),"
    echo "with the changes in qt-6.4.2-windows-plugin.patch beside this file and these options:"
    printf '    %s\n' "${options[@]}"
} > "$work/install/SOURCE.txt"
cp "$patch_file" "$work/install/"
mv "$work/install" "$prefix"
echo "$prefix"
