# Sourced by the end-to-end scripts: a scratch folder in WORK, a count of
# failures, and the game (GAME_PID, when set) stopped on the way out;
# start_game runs GAME in WORK with its output in LOG and finds its window.
WORK=$(mktemp -d)
GAME_PID=
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() {
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then kill "$GAME_PID"; fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# Sets WIN to the game's window, or counts a failure and returns 1.
start_game() {
    cd "$WORK" || exit 1
    "$GAME" > "$LOG" 2>&1 &
    GAME_PID=$!
    WIN=$(timeout 30 xdotool search --sync --name '^quorvel$' | head -1)
    [ -n "$WIN" ] || { fail "no window titled quorvel"; return 1; }
}
