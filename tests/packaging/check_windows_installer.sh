#!/bin/sh
# The Windows installer's round trip under Wine, in a Wine prefix of its own: a silent
# install puts the program, its Start-menu entry and its entry among the installed
# programs in place; the installed program answers --version and shows the simulated
# window in a picture; a silent uninstall leaves nothing behind.
#   check_windows_installer.sh INSTALLER WINE WINESERVER WORK_FOLDER VERSION
set -eu
installer=$1 wine=$2 wineserver=$3 work=$4 version=$5
export WINEPREFIX="$work/wine-prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
rm -rf "$work"
mkdir -p "$work"
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w

drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Shifter calibration"
entry="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Shifter calibration.lnk"
key='Uninstall\\\\shifter-calibration'
fail() {
    echo "check_windows_installer: $*" >&2
    exit 1
}
# Everything in the prefix but Wine's own scratch: its logs and temporary files.
contents() {
    (cd "$WINEPREFIX" && find . -path ./drive_c/windows -prune -o -path '*/Temp' -prune -o \
        -print | sort)
    grep -c "$key" "$WINEPREFIX/system.reg" || true
}
contents > "$work/before"

"$wine" "$installer" /S
"$wineserver" -w
[ -f "$folder/shifter-calibration.exe" ] || fail "the program was not installed"
[ -f "$folder/uninstall.exe" ] || fail "the uninstaller was not installed"
[ -f "$entry" ] || fail "the Start-menu entry was not made"
grep -q "$key" "$WINEPREFIX/system.reg" || fail "no entry among the installed programs"

answer=$("$wine" "$folder/shifter-calibration.exe" --version)
[ "$answer" = "$(printf 'shifter-calibration %s\r' "$version")" ] ||
    fail "--version answered '$answer'"
# On Windows' own platform where a display is given (scripts/test-windows.sh gives one).
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
"$wine" "$folder/shifter-calibration.exe" --simulate --screenshot 'C:\users\Public\shot.png' ||
    fail "the installed program failed to show the simulated window"
[ -s "$drive/users/Public/shot.png" ] || fail "the installed program wrote no picture"
cp "$drive/users/Public/shot.png" "$work/installed-program.png"
rm "$drive/users/Public/shot.png"

"$wine" "$folder/uninstall.exe" /S
"$wineserver" -w  # the uninstaller runs from a copy of itself that it starts
contents > "$work/after"
diff -u "$work/before" "$work/after" || fail "the uninstaller left the above behind"
echo "Installed, ran and uninstalled $(basename "$installer"), leaving nothing behind"
