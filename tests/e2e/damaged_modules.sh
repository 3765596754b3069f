#!/usr/bin/env bash
# The game with damaged data modules, on the X display that xvfb-run
# provides. A copy of the game and its modules runs from a scratch folder:
# 1. panelpack cut to half its size and guidepack to 1000 bytes: both are
#    reported as not loaded at start-up, the game plays a level anyway, each
#    missing image is reported once, and Escape twice quits with 0;
# 2. tonepack cut by 4096 bytes: reported as not loaded, then the sample
#    count check ends the program (exit 1, no crash, no lookup errors).
# Usage: damaged_modules.sh GAME ARTIFACT_DIR
set -u
GAME=$1
ART=$2
mkdir -p "$ART"
source "$(dirname "$0")/session.sh"

# A fresh copy of the game and its modules in $WORK/bin.
fresh_copy() {
    rm -rf "$WORK/bin"
    mkdir -p "$WORK/bin"
    cp "$GAME" "$(dirname "$GAME")"/*.so "$WORK/bin/"
}
cut_to() { truncate -s "$2" "$WORK/bin/$1.so"; }
size_of() { stat -c %s "$WORK/bin/$1.so"; }

# Waits up to $3 seconds for a line of log $1 to contain $2.
wait_for_line() {
    for _ in $(seq $(($3 * 10))); do
        grep -qF "$2" "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to 20 s for the game to end; sets status to its exit code, or to
# nothing when it still runs.
wait_for_exit() {
    status=
    for _ in $(seq 200); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            status=$?
            return
        fi
        sleep 0.1
    done
}

export XDG_DATA_HOME=$WORK/data
cd "$WORK" || exit 1

# --- 1: no HUD images and no tutorial images --------------------------------
fresh_copy
cut_to panelpack $(($(size_of panelpack) / 2))
cut_to guidepack 1000
LOG=$ART/e2e_damaged_images.log
"$WORK/bin/quorvel" > "$LOG" 2>&1 &
GAME_PID=$!
WIN=$(timeout 30 xdotool search --sync --name '^quorvel$' | head -1)
[ -n "$WIN" ] || { fail "no window titled quorvel"; exit 1; }
sleep 2
grep -qx "Could not load panelpack" "$LOG" || fail "the damaged panelpack was not reported"
grep -q "^ERR ASSERT FAILED at Game/hud(.*numLoaded == 25" "$LOG" ||
    fail "the HUD's image count check did not report the missing images"
# The hand is loaded at start-up, so the damaged guidepack shows before any level.
grep -qx "Could not load guidepack" "$LOG" || fail "the damaged guidepack was not reported at start-up"
xdotool key --window "$WIN" Return
wait_for_line "$LOG" "world created for level 0" 30 || fail "Enter did not start level 0"
sleep 1
# Through the tutorial (its overlay takes Escape as a next-stage key too).
for _ in 1 2 3 4 5; do
    xdotool key --window "$WIN" Return
    sleep 0.5
done
sleep 2
import -window root "$ART/damaged_images.png"
xdotool key --window "$WIN" Escape
sleep 1
xdotool key --window "$WIN" Escape
wait_for_exit
[ -n "$status" ] || fail "Escape twice did not end the program"
[ "${status:-1}" = 0 ] || fail "exit code ${status:-none}, expected 0"
GAME_PID=
missing=$(grep -c "^ERR Texture '.*' not stored in txdb\.$" "$LOG")
repeated=$(grep "^ERR Texture '.*' not stored in txdb\.$" "$LOG" | sort | uniq -d | wc -l)
echo "damaged images: $missing missing image lines, $repeated names repeated"
[ "$missing" -gt 0 ] || fail "no missing image was reported while the HUD drew"
[ "$repeated" = 0 ] || fail "$repeated missing images were reported more than once"

# --- 2: no sound samples ----------------------------------------------------
fresh_copy
cut_to tonepack $(($(size_of tonepack) - 4096))
LOG=$ART/e2e_damaged_sound.log
"$WORK/bin/quorvel" > "$LOG" 2>&1 &
GAME_PID=$!
wait_for_exit
GAME_PID=
[ "${status:-none}" = 1 ] || fail "exit code ${status:-none} with a damaged tonepack, expected 1"
grep -qx "Could not load tonepack" "$LOG" || fail "the damaged tonepack was not reported"
grep -qx "ERR ASSERT FAILED at Game/soundkeeper(139):  numLoaded == 18" "$LOG" ||
    fail "the sample count check did not end the program"
grep -q "^ERR Wave" "$LOG" && fail "samples were looked up before the count check"

exit $((failures > 0))
