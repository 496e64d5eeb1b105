#!/usr/bin/env bash
# The program's CPU use on the simulated adaptor, in percent of one core (user + system
# time over wall time), for each report rate, on Qt's offscreen platform and under a
# real X server (Xvfb, started and ended here). Under X11 the X server's own CPU time
# over the same interval is added, since every repaint costs it work as well.
#   bench/cpu_use.sh [--seconds N] [--program PATH]... [--scales "1 2"] [--floor PATH] [RATE...]
# Several --program options compare builds in one run (say, before and after a change).
# Each scale opens the window at that many times the design's size (--scale; a build
# without that option runs at the design's size only). The floor, a program that only runs a precise 10 ms timer, is measured
# first on each platform; the last column reads each figure as a multiple of it.
set -euo pipefail

seconds=10
programs=()
rates=()
scales=(1 2)
floor=build/default/bench/timer_floor
while [ $# -gt 0 ]; do
    case $1 in
        --seconds) seconds=$2; shift 2 ;;
        --program) programs+=("$2"); shift 2 ;;
        --scales) read -r -a scales <<< "$2"; shift 2 ;;
        --floor) floor=$2; shift 2 ;;
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

# Runs one command on one platform; prints its share, the X server's, both together
# and that as a multiple of the floor's (when known). The first arguments name the row.
measure() {
    local name=$1 platform=$2 rate=$3 scale=$4 pid x_before=0 x_after=0
    shift 4
    DISPLAY=$display QT_QPA_PLATFORM=$platform "$@" 2>/dev/null &
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
    awk -v name="$name" -v platform="$platform" -v rate="$rate" -v scale="$scale" \
        -v used=$(( after - before )) -v x=$(( x_after - x_before )) \
        -v hz="$ticks_per_second" -v start="$start" -v end="$end" -v floor="$floor_share" \
        'BEGIN { wall = end - start; p = 100 * used / hz / wall; s = 100 * x / hz / wall
                 times = floor > 0 ? sprintf("%7.1fx", (p + s) / floor) : "      -"
                 printf "%-45s %-9s %6s %5s %8.2f%% %8.2f%% %8.2f%% %s\n",
                        name, platform, rate, scale, p, s, p + s, times }'
}

printf "%-45s %-9s %6s %5s %9s %9s %9s %8s\n" program platform rate scale program "X server" \
    together "x floor"
for platform in xcb offscreen; do
    floor_share=0
    row=$(measure "$floor" "$platform" - - "$floor")
    echo "$row"
    floor_share=$(awk '{ sub("%", "", $7); print $7 }' <<< "$row")
    for rate in "${rates[@]}"; do
        for scale in "${scales[@]}"; do
            for program in "${programs[@]}"; do
                # A build from before --scale opens at the design's size by itself.
                size=()
                if grep -q -- --scale <<< "$("$program" --help 2>&1 || true)"; then
                    size=(--scale="$scale")
                elif [ "$scale" != 1 ]; then
                    continue
                fi
                measure "$program" "$platform" "$rate" "$scale" \
                    "$program" --simulate --report-rate="$rate" "${size[@]}"
            done
        done
    done
done
