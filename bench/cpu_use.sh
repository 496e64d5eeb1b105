#!/usr/bin/env bash
# The program's CPU use on the simulated adaptor, in percent of one core (user + system
# time over wall time), for each report rate, on Qt's offscreen platform and under a
# real X server (Xvfb, started and ended here). Under X11 the X server's own CPU time
# over the same interval is added, since every repaint costs it work as well.
#   bench/cpu_use.sh [--seconds N] [--program PATH]... [RATE...]
# Several --program options compare builds in one run (say, before and after a change).
set -euo pipefail

seconds=10
programs=()
rates=()
while [ $# -gt 0 ]; do
    case $1 in
        --seconds) seconds=$2; shift 2 ;;
        --program) programs+=("$2"); shift 2 ;;
        *) rates+=("$1"); shift ;;
    esac
done
[ ${#programs[@]} -eq 0 ] && programs=(build/default/src/app/shifter-calibration)
[ ${#rates[@]} -eq 0 ] && rates=(1 100 1000)
ticks_per_second=$(getconf CLK_TCK)

# User plus system time of a process so far, in clock ticks (fields 14 and 15).
cpu_ticks() {
    local fields
    read -r -a fields < "/proc/$1/stat"
    echo $(( fields[13] + fields[14] ))
}

xvfb_pid=
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap stop_xvfb EXIT

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
display=":$(head -n 1 "$display_file")"
rm -f "$display_file"

# Runs one program at one rate on one platform; prints its share and the X server's.
measure() {
    local program=$1 platform=$2 rate=$3 pid x_before=0 x_after=0
    DISPLAY=$display QT_QPA_PLATFORM=$platform "$program" --simulate --report-rate="$rate" \
        2>/dev/null &
    pid=$!
    sleep 1  # start-up is not the steady state
    local before start after end
    before=$(cpu_ticks "$pid")
    [ "$platform" = xcb ] && x_before=$(cpu_ticks "$xvfb_pid")
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    [ "$platform" = xcb ] && x_after=$(cpu_ticks "$xvfb_pid")
    end=$(date +%s.%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v program="$program" -v platform="$platform" -v rate="$rate" \
        -v used=$(( after - before )) -v x=$(( x_after - x_before )) \
        -v hz="$ticks_per_second" -v start="$start" -v end="$end" \
        'BEGIN { wall = end - start; p = 100 * used / hz / wall; s = 100 * x / hz / wall
                 printf "%-45s %-9s %6d %8.2f%% %8.2f%% %8.2f%%\n",
                        program, platform, rate, p, s, p + s }'
}

printf "%-45s %-9s %6s %9s %9s %9s\n" program platform rate program "X server" together
for platform in xcb offscreen; do
    for rate in "${rates[@]}"; do
        for program in "${programs[@]}"; do
            measure "$program" "$platform" "$rate"
        done
    done
done
