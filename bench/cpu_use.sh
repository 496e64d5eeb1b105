#!/usr/bin/env bash
# The program's CPU use on the simulated adaptor, in percent of one core, for each report
# rate, on Qt's offscreen platform and under a real X server (Xvfb, started and ended
# here). CPU time is every thread's time on a CPU in nanoseconds, read from
# /proc/PID/task/*/schedstat at the start and the end of each interval. Under X11 the X
# server's own CPU time over the same interval is added, since every repaint costs it
# work as well.
#   bench/cpu_use.sh [--seconds N] [--runs N] [--program PATH]... [--scales "1 2"]
#                    [--platforms "xcb offscreen"] [--floor PATH] [--paint-floor PATH]
#                    [RATE...]
# Several --program options compare builds in one run (say, before and after a change).
# Each scale opens the window at that many times the design's size (--scale; a build
# without that option runs at the design's size only). Rate 0 means no reports: the
# simulated adaptor sends one at start-up and the next after 1000 s. The floor, a
# program that only runs a precise 10 ms timer, is measured in each run on each
# platform; every figure is read as a multiple of its own run's floor. Beside it, the
# paint floor: a window that only moves a small square on every other tick of that
# timer, which is what any window showing a moving lever at most once a frame costs at
# least. Each row is
# measured once a run, the runs one after the other, and the table gives the median
# of the runs and their spread (lowest to highest).
set -euo pipefail

seconds=20
runs=3
startup=2
programs=()
rates=()
scales=(1 2)
platforms=(xcb offscreen)
floor=build/default/bench/timer_floor
paint_floor=build/default/bench/paint_floor
while [ $# -gt 0 ]; do
    case $1 in
        --seconds) seconds=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --program) programs+=("$2"); shift 2 ;;
        --scales) read -r -a scales <<< "$2"; shift 2 ;;
        --platforms) read -r -a platforms <<< "$2"; shift 2 ;;
        --floor) floor=$2; shift 2 ;;
        --paint-floor) paint_floor=$2; shift 2 ;;
        *) rates+=("$1"); shift ;;
    esac
done
[ ${#programs[@]} -eq 0 ] && programs=(build/default/src/app/shifter-calibration)
[ ${#rates[@]} -eq 0 ] && rates=(0 1 100 1000)

# Every thread's time on a CPU so far, in nanoseconds (the first field of schedstat).
cpu_ns() {
    local total=0 used _
    for stat in /proc/"$1"/task/*/schedstat; do
        read -r used _ < "$stat" 2>/dev/null || continue
        total=$(( total + used ))
    done
    echo "$total"
}

xvfb_pid=
results=$(mktemp)
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -f "$results"
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

# Runs one command on one platform and appends a line to the results: the row's name,
# the run, the program's and the X server's nanoseconds and the wall time's.
measure() {
    local row=$1 run=$2 platform=$3 pid x_before=0 x_after=0
    shift 3
    DISPLAY=$display QT_QPA_PLATFORM=$platform "$@" >/dev/null 2>&1 &
    pid=$!
    sleep "$startup"  # start-up is not the steady state
    local before start after end
    start=$(date +%s%N)
    before=$(cpu_ns "$pid")
    [ "$platform" = xcb ] && x_before=$(cpu_ns "$xvfb_pid")
    sleep "$seconds"
    after=$(cpu_ns "$pid")
    [ "$platform" = xcb ] && x_after=$(cpu_ns "$xvfb_pid")
    end=$(date +%s%N)
    if ! kill "$pid" 2>/dev/null; then
        echo "cpu_use.sh: ended before it was measured: $*" >&2
        exit 1
    fi
    wait "$pid" 2>/dev/null || true
    echo "$row $run $(( after - before )) $(( x_after - x_before )) $(( end - start ))" >> "$results"
}

# The rows in the order they are printed: "platform program rate scale", the floors'
# with "-" for rate and scale.
rows=()
for platform in "${platforms[@]}"; do
    rows+=("$platform $floor - -" "$platform $paint_floor - -")
    for rate in "${rates[@]}"; do
        for scale in "${scales[@]}"; do
            for program in "${programs[@]}"; do
                # A build from before --scale opens at the design's size by itself.
                if grep -q -- --scale <<< "$("$program" --help 2>&1 || true)" || [ "$scale" = 1 ]; then
                    rows+=("$platform $program $rate $scale")
                fi
            done
        done
    done
done

for run in $(seq "$runs"); do
    for index in "${!rows[@]}"; do
        read -r platform program rate scale <<< "${rows[$index]}"
        if [ "$rate" = - ]; then
            measure "$index" "$run" "$platform" "$program"
            continue
        fi
        options=(--simulate --report-rate="$rate")
        [ "$rate" = 0 ] && options=(--simulate --report-rate=0.001)
        grep -q -- --scale <<< "$("$program" --help 2>&1 || true)" && options+=(--scale="$scale")
        measure "$index" "$run" "$platform" "$program" "${options[@]}"
    done
done

printf '%s\n' "${rows[@]}" | awk -v results="$results" -v runs="$runs" '
    function median(list, count,   sorted, i, j, swap) {
        for (i = 1; i <= count; ++i) sorted[i] = list[i]
        for (i = 1; i <= count; ++i)
            for (j = i + 1; j <= count; ++j)
                if (sorted[j] < sorted[i]) { swap = sorted[i]; sorted[i] = sorted[j]; sorted[j] = swap }
        low = sorted[1]; high = sorted[count]
        return count % 2 ? sorted[(count + 1) / 2] : (sorted[count / 2] + sorted[count / 2 + 1]) / 2
    }
    BEGIN {
        while ((getline line < results) > 0) {
            split(line, f, " ")
            program[f[1], f[2]] = 100 * f[3] / f[5]
            xserver[f[1], f[2]] = 100 * f[4] / f[5]
        }
    }
    { platform[NR - 1] = $1; name[NR - 1] = $2; rate[NR - 1] = $3; scale[NR - 1] = $4 }
    END {
        printf "%-44s %-9s %5s %5s %8s %8s %8s %15s %14s\n", "program", "platform", "rate",
               "scale", "program", "X server", "together", "spread", "x floor (spread)"
        for (row = 0; row < NR; ++row) {
            # The first row of each platform is its floor.
            if (row == 0 || platform[row] != platform[row - 1]) floorRow = row
            for (run = 1; run <= runs; ++run) {
                p[run] = program[row, run]; x[run] = xserver[row, run]
                t[run] = p[run] + x[run]
                base = program[floorRow, run] + xserver[floorRow, run]
                r[run] = base > 0 ? t[run] / base : 0
            }
            pm = median(p, runs); xm = median(x, runs)
            tm = median(t, runs); tl = low; th = high
            rm = median(r, runs); rl = low; rh = high
            times = row == floorRow ? "-" : sprintf("%.2fx (%.2f-%.2f)", rm, rl, rh)
            printf "%-44s %-9s %5s %5s %7.2f%% %7.2f%% %7.2f%% %6.2f-%6.2f%% %s\n", name[row],
                   platform[row], rate[row], scale[row], pm, xm, tm, tl, th, times
        }
    }'
