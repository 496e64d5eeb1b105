#!/usr/bin/env bash
# The whole program's CPU use on the simulated adaptor, offscreen: user + system time
# over wall time, in percent of one core.
#   bench/cpu_use.sh [PROGRAM] [SECONDS] [RATE...]
set -euo pipefail
program=${1:-build/default/src/qt/shifter-calibration}
seconds=${2:-10}
shift $(( $# > 2 ? 2 : $# )) || true
rates=("$@")
[ ${#rates[@]} -eq 0 ] && rates=(100 1000)
ticks_per_second=$(getconf CLK_TCK)

for rate in "${rates[@]}"; do
    QT_QPA_PLATFORM=offscreen "$program" --simulate --report-rate="$rate" &
    pid=$!
    sleep 1  # start-up is not the steady state
    read -r -a before < "/proc/$pid/stat"
    start=$(date +%s.%N)
    sleep "$seconds"
    read -r -a after < "/proc/$pid/stat"
    end=$(date +%s.%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    # Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks.
    used=$(( (after[13] + after[14]) - (before[13] + before[14]) ))
    awk -v used="$used" -v hz="$ticks_per_second" -v start="$start" -v end="$end" \
        -v rate="$rate" 'BEGIN { printf "%5d reports/s: %.1f%% of one core\n", rate,
                                 100 * used / hz / (end - start) }'
done
