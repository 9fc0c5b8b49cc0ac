#!/usr/bin/env bash
# Measures the CPU use of the game in a window under Xvfb: starts the program, brings it
# to what is measured, lets it run, reads utime + stime from /proc/<pid>/stat and the
# frame-rate caption from the state dump at exit.
# Usage: bench/game/cpu_use.sh PROGRAM_DIR [SECONDS] [STAGE] [play|pause|menu]
#   play   the stage being played, nobody at the keys (the default)
#   pause  the stage paused with Space
#   menu   the title menu, opened by a key press on the title
set -euo pipefail
dir=$1
seconds=${2:-20}
stage=${3:-1-1}
mode=${4:-play}
display=:57
started_xvfb=
if ! DISPLAY=$display xdpyinfo >/dev/null 2>&1; then
    Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
    started_xvfb=$!
    sleep 1
fi
args=(--windowed --dump-state)
if [ "$mode" != menu ]; then
    args+=(--stage "$stage")
fi
out=$(mktemp)
DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} "$dir/TarnVer2" "${args[@]}" \
    >"$out" 2>/dev/null &
pid=$!
sleep 2
# Keys go straight to the game's window (there need be no window manager to focus it).
press() {
    local window
    window=$(DISPLAY=$display xdotool search --pid "$pid" | tail -1)
    DISPLAY=$display xdotool keydown --window "$window" "$1"
    sleep 0.2
    DISPLAY=$display xdotool keyup --window "$window" "$1"
    sleep 0.5
}
case $mode in
    pause) press space ;;
    menu) press Down ;;
esac
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
awk -v used="$used" -v ticks="$ticks" -v s="$start" -v e="$end" -v m="$mode" \
    'BEGIN { printf "CPU use (%s): %.1f%% of one core over %.1f s\n", m, 100 * used / ticks / (e - s), e - s }'
grep -o '"Fps":"[^"]*"' "$out" || echo "(no state dump: the run was ended by a signal)"
rm -f "$out"
if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb"
fi
