#!/usr/bin/env bash
# Cross-builds the whole program for 64-bit Windows with MinGW-w64 against Qt for Windows
# (scripts/build-qt-windows.sh: the shared copy where it is, else built once from
# Debian's source), with its zip and installer, and runs every test program under Wine,
# in a Wine prefix of the build folder: the front end's on Qt's offscreen platform, the
# window's own on Windows' platform too, drawn on a virtual X display; the installer is
# installed silently, run and removed. Installs the Debian packages it needs when they
# are missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/install-deps.sh" windows
start=$(date +%s)
SHIFTER_WINDOWS_QT=$("$top/scripts/build-qt-windows.sh")
export SHIFTER_WINDOWS_QT

# The prefix and settings the build's emulator uses too (cmake/mingw-w64-x86_64.cmake).
build="$top/build/windows"
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
mkdir -p "$WINEPREFIX"

# A virtual X display for Wine's windows, the first free one from :90.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done

# One Wine server for the whole run, instead of one started for every test program; a
# server of this prefix left from before is stopped first, so this one can stay.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
[ -f "$WINEPREFIX/system.reg" ] || echo "Preparing the Wine prefix $WINEPREFIX"
# Makes the prefix when it is new and starts Wine's services now, with their output going
# nowhere: started by the first test program, they would keep CTest's pipe open.
"$wine" wineboot >/dev/null 2>&1

werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake --preset windows -DCMAKE_COMPILE_WARNING_AS_ERROR=$werror >/dev/null
cmake --build --preset windows -j"$(nproc)"
ctest --preset windows -j"$(nproc)"
# Each program is one test under Wine: count what GoogleTest ran in them.
awk '/^\[  PASSED  \] [0-9]+ test/ { passed += $4; programs++ }
     /^\[  SKIPPED \] [0-9]+ test/ { skipped += $4 }
     END { printf "Under Wine: %d tests passed in %d test programs, %d skipped\n",
                  passed, programs, skipped }' "$build/Testing/Temporary/LastTest.log"
echo "The Windows build and its tests under Wine took $(( $(date +%s) - start )) s"
