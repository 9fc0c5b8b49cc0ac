#!/usr/bin/env bash
# Measures the CPU use of the game playing a stage in a window under Xvfb: starts the
# program, lets it run, reads utime + stime from /proc/<pid>/stat and the frame-rate
# caption from the state dump at exit.
# Usage: bench/game/cpu_use.sh PROGRAM_DIR [SECONDS] [STAGE]
set -euo pipefail
dir=$1
seconds=${2:-20}
stage=${3:-1-1}
display=:57
started_xvfb=
if ! DISPLAY=$display xdpyinfo >/dev/null 2>&1; then
    Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
    started_xvfb=$!
    sleep 1
fi
out=$(mktemp)
DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} "$dir/TarnVer2" --windowed \
    --stage "$stage" --dump-state >"$out" 2>/dev/null &
pid=$!
sleep 2
ticks=$(getconf CLK_TCK)
read -r -a before < <(cut -d' ' -f14,15 "/proc/$pid/stat")
start=$(date +%s.%N)
sleep "$seconds"
read -r -a after < <(cut -d' ' -f14,15 "/proc/$pid/stat")
end=$(date +%s.%N)
kill -INT "$pid" 2>/dev/null || true
sleep 1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
used=$(( (after[0] + after[1]) - (before[0] + before[1]) ))
awk -v used="$used" -v ticks="$ticks" -v s="$start" -v e="$end" \
    'BEGIN { printf "CPU use: %.1f%% of one core over %.1f s\n", 100 * used / ticks / (e - s), e - s }'
grep -o '"Fps":"[^"]*"' "$out" || echo "(no state dump: the run was ended by a signal)"
rm -f "$out"
if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb"
fi
