#!/usr/bin/env bash
# Measures the resident memory of a long headless run that clears a stage in a loop: a
# replay holds the right key, the player runs to the goal ten cells from the start, and
# the next stage of the stage is itself, so the run plays the stage, the clear sequence
# (sounds, time bonus) and the stage's loading over and over. The run is made twice, for FRAMES/10 and for
# FRAMES frames; flat memory means the longer run ends with no more resident memory than
# the shorter one plus LIMIT_KB. While the long run goes, its resident size is sampled
# from /proc to show the course.
# Usage: bench/game/clear_loop_memory.sh PROGRAM_DIR [FRAMES] [LIMIT_KB]
set -euo pipefail
dir=$(cd "$1" && pwd)
frames=${2:-100000}
limit_kb=${3:-1024}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
    printf 'cave.bmp\r\nClear loop\r\n 2\r\n 55\r\n20\r\n'
    empty=$(printf '0%.0s' $(seq 200))
    floor=${empty//0/2}
    for row in $(seq 0 59); do
        if [ "$row" -eq 55 ]; then
            printf '000000000000%s\r\n' "3${empty:13}"  # the goal, ten cells on
        elif [ "$row" -ge 56 ]; then
            printf '%s\r\n' "$floor"
        else
            printf '%s\r\n' "$empty"
        fi
    done
    printf 'NONE\r\n'
    for _ in $(seq 67 95); do printf '0\r\n'; done
    printf 'loop\r\n'
} >"$work/loop.txt"
mkdir -p "$work/stages"
printf '1 39\n' >"$work/right.rpl"  # the right key held from the first frame on
"$dir/tr2tool" encode --check "$work/loop.txt" "$work/stages/loop.tr2"

# Resident size (kB) at the end of a run of $1 frames; the state dump must show a clear.
rss_at_end() {
    local count=$1 samples=$2 pid
    "$dir/TarnVer2" --headless --stage "$work/stages/loop.tr2" --frames "$count" \
        --replay "$work/right.rpl" --dump-state >"$work/dump" 2>"$work/err" &
    pid=$!
    : >"$samples"
    local last=0
    while kill -0 "$pid" 2>/dev/null; do
        local now
        now=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
        if [ -n "$now" ]; then
            last=$now
            printf '%s %s\n' "$(date +%s.%N)" "$now" >>"$samples"
        fi
        sleep 0.2
    done
    wait "$pid"
    grep -q "\"frames\":$count," "$work/dump" || {
        echo "the run did not play $count frames:" >&2
        cat "$work/dump" "$work/err" >&2
        exit 1
    }
    grep -o '"Score":[0-9]*,"Lives":-\?[0-9]*' "$work/dump" >"$samples.score"
    echo "$last"
}

short=$(rss_at_end $((frames / 10)) "$work/short.samples")
start=$(date +%s)
long=$(rss_at_end "$frames" "$work/long.samples")
seconds=$(($(date +%s) - start))
echo "frames $((frames / 10)): resident ${short} kB at the last sample"
echo "frames ${frames}: resident ${long} kB at the last sample (${seconds} s)"
echo "at the end: $(cat "$work/long.samples.score") (ten points a second of time left at each clear)"
echo "course of the long run (kB, every tenth of the samples):"
awk 'NR % 10 == 1 { printf " %s", $2 } END { print "" }' "$work/long.samples"
if [ "$long" -gt $((short + limit_kb)) ]; then
    echo "GROWTH: $((long - short)) kB more after ${frames} frames" >&2
    exit 1
fi
echo "flat: $((long - short)) kB difference (limit ${limit_kb} kB)"
