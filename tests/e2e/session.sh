# Sourced by the end-to-end scripts: a scratch folder in WORK, a count of
# failures, and the game (GAME_PID, when set) stopped on the way out.
WORK=$(mktemp -d)
GAME_PID=
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() {
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then kill "$GAME_PID"; fi
    rm -rf "$WORK"
}
trap cleanup EXIT
