#!/usr/bin/env bash
# Runs a command on a private headless weston with Qt's Wayland platform, and ends
# weston however the command ends. Exits 77 (the tests' "skipped") when weston or Qt's
# Wayland plugin is missing.
#   run_on_weston.sh QT_PLATFORM_PLUGIN_DIR COMMAND [ARGUMENTS...]
set -uo pipefail
readonly plugins=$1
shift

if ! command -v weston >/dev/null || ! ls "$plugins"/libqwayland-*.so >/dev/null 2>&1; then
    echo "skipped: needs weston and Qt's Wayland platform (Debian: weston qt6-wayland)"
    exit 77
fi

runtime=$(mktemp -d)
weston_pid=
finish() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid"
    rm -rf "$runtime"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

# A runtime folder of its own holds the socket, so parallel runs never meet.
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-test
weston --no-config --backend=headless-backend.so --socket=$WAYLAND_DISPLAY --idle-time=0 \
    --width=1920 --height=1080 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/$WAYLAND_DISPLAY" ]; then
    echo "weston did not start:"
    cat "$runtime/weston.log"
    exit 1
fi

# The headless output has no seat, and Qt's text-input support then fails at the first
# key a test types; the tests need no input method.
# Ended well before the test's own timeout, which would leave weston running.
# Under AddressSanitizer, libwayland-client and Qt's unloaded Wayland plugin leave
# allocations behind at exit that are not the program's; the other platforms' runs keep
# the leak check.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
    QT_QPA_PLATFORM=wayland QT_IM_MODULE=none timeout -k 5 300 "$@"
