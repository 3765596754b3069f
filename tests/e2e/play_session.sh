#!/usr/bin/env bash
# One session of the game, as a player would have it, on the X display that
# xvfb-run provides: Enter starts the selected level, five more presses get
# through the tutorial, Escape pauses to the menu and Escape again quits.
# Usage: play_session.sh GAME ARTIFACT_DIR
set -u
GAME=$1
ART=$2
mkdir -p "$ART"
LOG=$ART/e2e_stdout.log
source "$(dirname "$0")/session.sh"
export XDG_DATA_HOME=$WORK/data

# Waits up to $2 seconds for a line of the game's output to contain $1.
wait_for_line() {
    for _ in $(seq $(($2 * 10))); do
        grep -qF "$1" "$LOG" && return 0
        sleep 0.1
    done
    return 1
}

shot() { import -window root "$ART/$1.png"; }

# Mean and standard deviation (0..1) of a region W H X Y of a screenshot.
region() { convert "$ART/$1.png" -crop "$2x$3+$4+$5" +repage -colorspace gray \
    -format "%[fx:mean] %[fx:standard_deviation]" info:; }
# Red, green, blue (0..255) of one pixel.
pixel() { convert "$ART/$1.png" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

key() { xdotool key --window "$WIN" "$1"; sleep "${2:-0.4}"; }

start_game || exit 1
sleep 2
shot menu

key Return 0.2
wait_for_line "world created for level 0" 30 || fail "Enter did not start level 0"
sleep 2
shot tutorial
for _ in 1 2 3 4 5; do key Return 0.5; done
sleep 2
shot play
# Holding Q pushes the first lever up; it springs back when let go.
xdotool keydown --window "$WIN" q
sleep 2.5
shot lever
xdotool keyup --window "$WIN" q
sleep 1
shot released

key Escape 1.5
shot paused
key Escape 0.5

status=
for _ in $(seq 200); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
        wait "$GAME_PID"
        status=$?
        break
    fi
    sleep 0.1
done
GAME_PID_DONE=$GAME_PID
GAME_PID=
[ -n "$status" ] || { fail "Escape on the menu did not end the program"; kill "$GAME_PID_DONE"; }
[ "${status:-1}" = 0 ] || fail "exit code ${status:-none}, expected 0"

# The window is 1180 x 720 at the top left of the screen. The HUD strip is
# the bottom 156 pixels (two fifteenths of the width); the scene is above it.
read -r hud_mean hud_sd <<< "$(region play 1180 150 0 567)"
read -r scene_mean scene_sd <<< "$(region play 1180 400 0 60)"
echo "play: HUD strip mean $hud_mean sd $hud_sd; scene mean $scene_mean sd $scene_sd"
above "$hud_sd" 0.08 || fail "the HUD strip is flat (sd $hud_sd)"
above "$scene_mean" 0.3 || fail "the scene is dark (mean $scene_mean)"
# The menu (black around the picture) must not show during play.
read -r corner_mean _ <<< "$(region play 300 60 10 10)"
above "$corner_mean" 0.1 || fail "the play picture looks like the menu"

# The knob of lever 0 has left its centre while Q is held and is back after;
# lever 1 never moved. Knob centres: x 825 and 904, y 632.
is_red() { read -r r g b <<< "$(pixel "$1" "$2" 632)"; above "$r" 150 && above "$((r - g))" 80; }
is_red play 825 && is_red play 904 || fail "the lever knobs are not at their centres"
is_red lever 825 && fail "holding Q did not move lever 0"
is_red lever 904 || fail "lever 1 moved although only Q was held"
is_red released 825 || fail "lever 0 did not return to its centre"

# Paused: the menu returns, now with the restart button (orange) in the
# second fifth of the button strip.
read -r r g b <<< "$(pixel paused 485 705)"
echo "paused: restart button pixel $r $g $b"
above "$r" 150 && above "$((r - b))" 80 || fail "no restart button on the paused menu"
read -r r g b <<< "$(pixel menu 485 705)"
above "$r" 100 && fail "a restart button before anything was paused"

# The briefing of the selected job is written under the picture.
read -r _ text_sd <<< "$(region menu 472 118 354 376)"
above "$text_sd" 0.05 || fail "no briefing under the menu picture"

grep -q "^ERR ASSERT" "$LOG" && fail "an assertion failed (see $LOG)"
[ "$(grep -c 'world created for level' "$LOG")" = 1 ] || fail "the level was built more than once"
echo "screenshots in $ART"
exit $((failures > 0))
