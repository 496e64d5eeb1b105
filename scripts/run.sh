#!/usr/bin/env bash
# Builds the program and starts it. With no arguments it uses an attached adaptor, or the
# simulated adaptor when none is attached; any arguments go to the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/install-deps.sh" run

cmake --preset default -DSHIFTER_BUILD_TESTS=OFF -DSHIFTER_BUILD_BENCH=OFF >/dev/null
cmake --build "$top/build/default" --target shifter-calibration -j"$(nproc)"
program="$top/build/default/src/app/shifter-calibration"

# An adaptor shows up as a hidraw node whose HID id names our vendor.
adaptor_attached() {
    grep -qis 'HID_ID=0003:00001DD2:' /sys/class/hidraw/*/device/uevent 2>/dev/null
}

if [ $# -eq 0 ] && ! adaptor_attached; then
    echo "No adaptor attached: starting on the simulated adaptor (--simulate)."
    exec "$program" --simulate
fi
exec "$program" "$@"
