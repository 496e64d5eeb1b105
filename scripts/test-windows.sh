#!/usr/bin/env bash
# Cross-builds for 64-bit Windows with MinGW-w64 everything that needs no Qt (the layers
# below the files and the front end, the hidapi backend on hidapi's Windows backend)
# and runs those test programs under Wine, in a Wine prefix of the build folder. Needs
# no display. Installs the Debian packages it needs when they are missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/install-deps.sh" windows
start=$(date +%s)

# The prefix and settings the build's emulator uses too (cmake/mingw-w64-x86_64.cmake).
build="$top/build/windows"
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
mkdir -p "$WINEPREFIX"
# One Wine server for the whole run, instead of one started for every test program; a
# server of this prefix left from before is stopped first, so this one can stay.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
[ -f "$WINEPREFIX/system.reg" ] || echo "Preparing the Wine prefix $WINEPREFIX"
# Makes the prefix when it is new and starts Wine's services now, with their output going
# nowhere: started by the first test program, they would keep CTest's pipe open.
"$wine" wineboot >/dev/null 2>&1

werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake --preset windows -DCMAKE_COMPILE_WARNING_AS_ERROR=$werror >/dev/null
cmake --build --preset windows -j"$(nproc)"
ctest --preset windows -j"$(nproc)"
echo "The Windows build and its tests under Wine took $(( $(date +%s) - start )) s"
