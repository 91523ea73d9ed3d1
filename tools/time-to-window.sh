#!/usr/bin/env bash
# Measures how long ./run.sh takes to open the editor's window: from a fresh clone of CHECKOUT's
# committed state, and then once more in the same clone, already built. Each start runs under a
# scratch home on an Xvfb of its own and ends when `xdotool search --name "^Tolvane v1.1$"` finds
# the window (polled every 0.1 s); the editor is then closed. Prints each run and, after several,
# the range of each figure over them.
#
#   tools/time-to-window.sh [--runs N] [CHECKOUT]    (default: one run, this checkout)
#
# Installs xvfb, xdotool and git when they are missing, before the first clock starts, so in a
# fresh root (tools/debian-root.sh) the first run's clean-clone figure includes installing what
# ./run.sh needs. Measure while nothing else runs on the machine.
set -euo pipefail

runs=1
if [ "${1:-}" = --runs ]; then
    runs=$2
    shift 2
fi
tools=$(cd "$(dirname "$0")" && pwd)
checkout=$(cd "${1:-"$tools/.."}" && pwd)
"$tools/install-packages.sh" xvfb xdotool git

scratch=$(mktemp -d /tmp/tolvane-time.XXXXXX)
xvfb=
editor=
stop() {
    [ -z "$editor" ] || { kill "$editor" 2>/dev/null || true; wait "$editor" 2>/dev/null || true; }
    [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }
    editor='' xvfb=''
}
trap 'stop; rm -rf "$scratch"' EXIT

now() { date +%s.%N; }

# Starts ./run.sh in the clone $1 with the home $2 on a new Xvfb, and sets elapsed to the seconds
# until its window shows.
time_start() {
    local clone=$1 home=$2 display start window=
    : >"$scratch/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" \
        2>>"$scratch/xvfb.log" &
    xvfb=$!
    # Xvfb writes its display's number, and a newline, once it takes connections.
    for _ in $(seq 200); do
        grep -q '^[0-9]*$' "$scratch/display" && [ -n "$(cat "$scratch/display")" ] && break
        sleep 0.05
    done
    display=:$(cat "$scratch/display")
    if [ "$display" = : ]; then
        tail -n 20 "$scratch/xvfb.log" >&2
        echo "time-to-window: Xvfb did not start" >&2
        exit 1
    fi
    start=$(now)
    (cd "$clone" && exec env HOME="$home" DISPLAY="$display" ./run.sh) >>"$scratch/run.log" 2>&1 &
    editor=$!
    while [ -z "$window" ]; do
        window=$(DISPLAY=$display xdotool search --name '^Tolvane v1.1$' 2>/dev/null | head -n 1) ||
            true
        if [ -z "$window" ]; then
            if ! kill -0 "$editor" 2>/dev/null; then
                tail -n 30 "$scratch/run.log" >&2
                echo "time-to-window: ./run.sh ended without opening the window" >&2
                exit 1
            fi
            sleep 0.1
        fi
    done
    elapsed=$(awk -v end="$(now)" -v start="$start" 'BEGIN {print end - start}')
    stop
}

clean=() second=()
for run in $(seq "$runs"); do
    clone=$scratch/clone-$run home=$scratch/home-$run
    git clone -q "$checkout" "$clone"
    mkdir -p "$home"
    time_start "$clone" "$home"
    clean+=("$elapsed")
    time_start "$clone" "$home"
    second+=("$elapsed")
    printf 'run %d: clean clone to the window %.1f s, second start %.2f s\n' \
        "$run" "${clean[-1]}" "${second[-1]}"
    rm -rf "$clone" "$home"
done
range() { printf '%s\n' "$@" | sort -g | sed -n '1p;$p' | paste -sd' '; }
read -r low high < <(range "${clean[@]}")
printf 'clean clone to the window: %.1f–%.1f s over %d runs\n' "$low" "$high" "$runs"
read -r low high < <(range "${second[@]}")
printf 'second start: %.2f–%.2f s over %d runs\n' "$low" "$high" "$runs"
