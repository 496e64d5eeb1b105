#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that, plus what the tests and benchmarks need
#   scripts/install-deps.sh format   clang-format, for scripts/check-format.sh
#   scripts/install-deps.sh windows   the Windows cross build, its installer, Wine and a
#                                     virtual display to run its tests
#   scripts/install-deps.sh windows-qt-source   building Qt for Windows from Debian's source
set -euo pipefail

run_packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libhidapi-dev fonts-liberation2
              qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools  # lupdate, lrelease
              qt6-translations-l10n)                            # Qt's own texts translated
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev  # unit tests and benchmarks
               xvfb                                       # bench/cpu_use.sh under X11
               weston qt6-wayland                         # the window on Wayland
               python3-pyatspi at-spi2-core dbus-daemon xdotool  # the screen reader's walk
               desktop-file-utils appstream dpkg-dev      # packaging checks
               qemu-system-x86 busybox-static xz-utils    # the end-to-end guest
               clang libclang-rt-14-dev)                  # fuzzing

windows_packages=(cmake make g++-mingw-w64-x86-64-posix wine64 googletest
                  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools  # host tools
                  qt6-translations-l10n nsis xvfb
                  fonts-wine fonts-liberation2)  # Wine's own fonts; the offscreen tests'
format_packages=(clang-format)
qt_source_packages=(ninja-build dpkg-dev patch xz-utils g++-mingw-w64-x86-64-posix qt6-base-dev)

wanted=("${run_packages[@]}")
case "${1:-run}" in
    test) wanted+=("${test_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    format) wanted=("${format_packages[@]}") ;;
    windows-qt-source) wanted=("${qt_source_packages[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
