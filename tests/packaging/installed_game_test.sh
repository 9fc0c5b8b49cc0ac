#!/usr/bin/env bash
# The installed game as a user meets it: the prefix is read-only and HOME and the XDG
# folders point into an empty folder. The game plays, writes nothing outside the XDG
# folders, and its title menu offers a stage folder of the user's after the shipped one.
#   installed_game_test.sh BUILD_DIR
source "$(dirname "$0")/common.sh"

PREFIX=$SCRATCH/prefix
install_prefix "$PREFIX"
chmod -R a-w "$PREFIX"
chmod a+rx "$SCRATCH"

USER_HOME=$SCRATCH/home
mkdir -p "$USER_HOME"
give_to_user "$USER_HOME"

play() {
    as_user env -i PATH=/usr/bin:/bin HOME="$USER_HOME" \
        XDG_CONFIG_HOME="$USER_HOME/config" XDG_DATA_HOME="$USER_HOME/data" \
        XDG_STATE_HOME="$USER_HOME/state" XDG_RUNTIME_DIR="$USER_HOME/runtime" \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
        LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
        "$PREFIX/bin/tarn2" --headless "$@"
}

snapshot() {
    find "$PREFIX" "$USER_HOME" -printf '%p %s %T@\n' | sort
}

before=$(snapshot)
state=$(play --stage 1-1 --frames 60 --dump-state) || fail "the installed game did not play"
grep -q '"CurrentStage":"1-1"' <<<"$state" || fail "no stage 1-1 in: $state"
grep -q '"frames":60' <<<"$state" || fail "the run did not last 60 frames: $state"
after=$(snapshot)
changed=$(diff <(echo "$before") <(echo "$after") | grep '^[<>]' || true)
[ -z "$changed" ] || fail "the game wrote files: $changed"

# A stage folder of the user's: its 1-1 is the shipped 1-2, which leads on to 1-3.
MINE=$USER_HOME/data/tarn2/data/mine
mkdir -p "$MINE"
cp "$PREFIX/lib/tarn2/data/standard/1-2.tr2" "$MINE/1-1.tr2"
give_to_user "$USER_HOME"
# Up to the stage folder item, Enter once per shipped folder to reach the user's, which
# comes after them, then Down to Start and Enter.
shipped=$(find "$PREFIX/lib/tarn2/data" -mindepth 1 -maxdepth 1 -type d | wc -l)
{
    echo "2 38"
    echo "3"
    frame=4
    for _ in $(seq "$shipped"); do
        echo "$frame 13"
        echo "$((frame + 1))"
        frame=$((frame + 2))
    done
    echo "$frame 40"
    echo "$((frame + 1))"
    echo "$((frame + 2)) 13"
    echo "$((frame + 3))"
} >"$SCRATCH/menu.txt"
chmod a+r "$SCRATCH/menu.txt"
state=$(play --replay "$SCRATCH/menu.txt" --frames 120 --dump-state) ||
    fail "the menu run failed"
grep -q '"CurrentStage":"1-1","NextStage":"1-3"' <<<"$state" ||
    fail "the menu did not start the user's stage folder: $state"
# The shipped folder stays the first: without the menu, 1-1 is the shipped one.
state=$(play --stage 1-1 --frames 0 --dump-state)
grep -q '"NextStage":"1-2"' <<<"$state" || fail "the shipped folder is not first: $state"
echo "installed game ok"
