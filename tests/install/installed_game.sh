#!/usr/bin/env bash
# The installed game as a user starts it: from a fresh prefix, through the
# bin/ link, in a working folder of its own and with a fresh data folder, on
# a virtual X display. It must find its data modules, show the menu, keep its
# progress in the data folder and quit cleanly on Escape.
# Usage: installed_game.sh CMAKE BUILD_DIR ARTIFACT_DIR
set -u
# Without a display, run again on a virtual one. Display numbers are picked
# from a random start: X tests started at the same moment by "xvfb-run -a"
# alone can race for the same number.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -n $((200 + RANDOM % 700)) -s "-screen 0 1280x800x24" bash "$0" "$@"
fi
CMAKE=$1
BUILD=$2
ART=$3
mkdir -p "$ART"
# The scratch folder, failure count and clean-up the end-to-end tests share.
. "$(dirname "$0")/../e2e/session.sh"
P=$WORK/prefix
SHOT=$ART/installed_menu.png
LOG=$ART/installed_stdout.log

"$CMAKE" --install "$BUILD" --prefix "$P" > "$WORK/install.log" 2>&1 ||
    { cat "$WORK/install.log"; echo "FAIL: cmake --install"; exit 1; }

# Under a loaded machine the virtual display can answer a moment after
# xvfb-run hands over; a game started before that cannot open its window.
for _ in $(seq 50); do
    xdotool getdisplaygeometry > /dev/null 2>&1 && break
    sleep 0.1
done

mkdir -p "$WORK/elsewhere"
cd "$WORK/elsewhere" || exit 1
export XDG_DATA_HOME=$WORK/data
"$P/bin/quorvel" > "$LOG" 2>&1 &
GAME_PID=$!

# Waits for the window, but not for a game that has already given up.
WIN=
for _ in $(seq 150); do
    WIN=$(xdotool search --name '^quorvel$' 2>/dev/null | head -1)
    [ -n "$WIN" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.2
done
if [ -z "$WIN" ]; then
    tail -5 "$LOG"
    fail "no window titled quorvel"
    exit 1
fi

above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
pixel() { convert "$SHOT" -format \
    "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:; }
green() { above "$2" 120 && above "$(($2 - $1))" 60 && above "$(($2 - $3))" 60; }

# A loaded machine may take a while over the first frames: look until the
# play button shows (at most 20 s), then judge that screenshot.
for _ in $(seq 40); do
    import -window root "$SHOT"
    green $(pixel 565 690) && break
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.5
done
xdotool key --window "$WIN" Escape

status=
for _ in $(seq 100); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
        wait "$GAME_PID"
        status=$?
        break
    fi
    sleep 0.1
done
[ -n "$status" ] || fail "Escape on the menu did not end the program"
GAME_PID=
[ "${status:-1}" = 0 ] || fail "exit code ${status:-none}, expected 0"

grep -E '^ERR|^Could not' "$LOG" && fail "the game reported errors (see $LOG)"
grep -qxF "app data at: '$XDG_DATA_HOME/Quorvel'" "$LOG" ||
    fail "progress is not kept under the data folder"
[ -d "$XDG_DATA_HOME/Quorvel" ] || fail "the progress folder was not made"
[ -z "$(ls -A "$WORK/elsewhere")" ] || fail "the game wrote into its working folder"

# The window is 1180 x 720 at the top left of the screen. The menu picture
# (sky over grass) fills x 354..826, y 124..360; around it the screen is
# black; the buttons sit in the strip at the bottom: previous, play,
# settings and next.
read -r r g b <<< "$(pixel 400 200)"
above "$b" 200 && above "$((b - r))" 40 || fail "no sky in the menu picture ($r $g $b)"
read -r r g b <<< "$(pixel 400 340)"
above "$g" 100 && above "$((g - r))" 20 && above "$((g - b))" 40 ||
    fail "no grass in the menu picture ($r $g $b)"
read -r r g b <<< "$(pixel 200 200)"
[ "$((r + g + b))" -lt 30 ] || fail "the menu is not drawn on black ($r $g $b)"
read -r r g b <<< "$(pixel 565 690)"
green "$r" "$g" "$b" || fail "no play button ($r $g $b)"
for x in 405 720; do
    read -r r g b <<< "$(pixel "$x" 690)"
    above "$b" 150 && above "$((b - r))" 80 || fail "no arrow button at x $x ($r $g $b)"
done

echo "screenshot in $SHOT"
exit $((failures > 0))
