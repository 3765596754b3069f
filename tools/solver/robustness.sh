#!/usr/bin/env bash
# The same drivers, started with their first input delayed, must win too:
# for each level given (default: every level with a driver) record the
# solution with two delays and replay the recording in the simulator.
# usage: tools/solver/robustness.sh BUILD_DIR [LEVEL ...]
set -u
B=${1:?build dir}; shift
levels=${*:-23}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf 'level delay win_tick\n'
for lv in $levels; do
  for d in 2 4; do
    f=$tmp/level$lv-$d.txt
    "$B/bin/quorvel-solve" --level "$lv" --delay "$d" --out "$f" > /dev/null 2>&1
    t=$(grep -m1 -oE '^# ticks [0-9]+' "$f" 2>/dev/null | awk '{print $3}')
    win=$("$B/bin/quorvel-sim" --level "$lv" --ticks "${t:-1}" --script "$f" 2>/dev/null |
          grep -oE 'endGame win=1 level=[0-9]+ tick=[0-9]+' | head -1 | sed 's/.*tick=//')
    printf '%s %s %s\n' "$lv" "$d" "${win:-NOT WON}"
  done
done
