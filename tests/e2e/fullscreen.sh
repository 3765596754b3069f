#!/usr/bin/env bash
# F11 on the menu, on the X display that xvfb-run provides (1280 x 800): the
# window fills the screen and the views are laid out for it (the play button
# sits at the middle of the new bottom edge, right of where the old layout
# would have drawn its right end), and a second F11 brings back
# the 1180 x 720 window with the button where it was. Escape then quits with 0.
# Usage: fullscreen.sh GAME ARTIFACT_DIR
set -u
GAME=$1
ART=$2
mkdir -p "$ART"
WORK=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
trap 'kill "$GAME_PID" 2>/dev/null; rm -rf "$WORK"' EXIT

cd "$WORK" || exit 1
XDG_DATA_HOME=$WORK/data "$GAME" > "$ART/fullscreen_stdout.log" 2>&1 &
GAME_PID=$!
WIN=$(timeout 30 xdotool search --sync --name '^quorvel$' | head -1)
[ -n "$WIN" ] || { fail "no window titled quorvel"; exit 1; }

size() { xdotool getwindowgeometry "$WIN" | awk '/Geometry/ { print $2 }'; }
# Green enough to be the play button, at x $1, y $2 (from the top) of $SHOT.
play_button_at() {
    local rgb
    rgb=$(convert "$SHOT" -format \
        "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:)
    set -- $rgb
    [ "$2" -gt 120 ] && [ $(($2 - $1)) -gt 60 ] && [ $(($2 - $3)) -gt 60 ]
}
# Waits up to 10 s for the window to take size $1 and the button to show at $2, $3.
expect_layout() {
    local name=$4
    SHOT=$ART/fullscreen_$name.png
    for _ in $(seq 40); do
        if [ "$(size)" = "$1" ]; then
            import -window root "$SHOT"
            play_button_at "$2" "$3" && return 0
        fi
        sleep 0.25
    done
    fail "$name: window $(size), expected $1 with the play button at $2,$3 (see $SHOT)"
}

expect_layout 1180x720 565 690 window
xdotool key --window "$WIN" F11
expect_layout 1280x800 672 768 fullscreen
xdotool key --window "$WIN" F11
expect_layout 1180x720 565 690 window_again

xdotool key --window "$WIN" Escape
for _ in $(seq 100); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$GAME_PID" 2>/dev/null; then
    fail "Escape on the menu did not end the program"
else
    wait "$GAME_PID" || fail "exit code $?, expected 0"
fi
echo "$((3 - failures)) passed, $failures failed"
[ "$failures" = 0 ]
