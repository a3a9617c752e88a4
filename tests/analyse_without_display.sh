#!/bin/bash
# `quintdraw --analyse` as a script calls it: no display of any kind, no platform chosen.
# A hand prints its 32 holds and exits 0; text that is no hand prints only the fault and exits 2.
set -u
game=$1
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(run --analyse "J♥ J♠ 2♣ 7♦ 9♠" 2> errors) || fail "a hand exited $?: $(cat errors)"
[ -s errors ] && fail "a hand wrote errors: $(cat errors)"
[ "$(wc -l <<< "$out")" -eq 32 ] || fail "not 32 lines: $out"
grep -Eq '^JH JS +[0-9]+/[0-9]+  [0-9]+\.[0-9]{6}  line [0-9]+, ' <<< "$(head -1 <<< "$out")" ||
    fail "the pair of jacks is not kept first: $out"

out=$(run --analyse="JH JS 2C 7D JH" 2> errors)
status=$?
[ "$status" -eq 2 ] || fail "a repeated card exited $status"
[ -z "$out" ] || fail "a repeated card printed: $out"
grep -q 'the same card' errors || fail "no message for a repeated card: $(cat errors)"

run --analyse > /dev/null 2> errors
status=$?
[ "$status" -eq 2 ] || fail "no cards exited $status"
grep -q 'needs a CARDS' errors || fail "no message for no cards: $(cat errors)"
echo "--analyse: 32 holds and exit 0 for a hand, the fault and exit 2 otherwise, without a display"
