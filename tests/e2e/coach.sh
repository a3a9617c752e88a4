#!/usr/bin/env bash
# Plays with --coach in a real window: the "Coach" window appears only once a hand is drawn, on
# the right of the main window, without taking the keys from it; it shows the dealt cards and
# changes with every hand, and the game goes on being played from the keyboard.
test_name=coach
startup_ms=500   # the start-up window is not what this test looks at
game_args=(--coach)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

coach_shown() { [ -n "$(xdotool search --onlyvisible --name '^Coach$' 2>/dev/null)" ]; }

play_crafted_game

press "$main_window" space
settle "$main_window" "$work/dealt.png"
coach_shown && fail "the coach spoke before the draw"
press "$main_window" 1 2 space
wait_for 20 "the window \"Coach\"" coach_shown
coach_window=$(xdotool search --onlyvisible --name '^Coach$' | head -n 1)
is_active "$main_window" || fail "the coach took the focus from the main window"

eval "$(xdotool getwindowgeometry --shell "$main_window")"
main_right=$((X + WIDTH))
eval "$(xdotool getwindowgeometry --shell "$coach_window")"
[ "$X" -ge "$main_right" ] || fail "the coach at x $X covers the main window, which ends at x $main_right"
log "coach window $coach_window at x $X, ${WIDTH}x$HEIGHT"

settle "$coach_window" "$work/coach1.png"
colours=$(identify -format %k "$work/coach1.png")
[ "$colours" -ge 8 ] || fail "the coach shows no cards ($colours colours)"

# The next hand, still from the keyboard of the main window: the coach speaks again.
press "$main_window" space
settle "$main_window" "$work/dealt.png"
looks_like "$coach_window" "$work/coach1.png" || fail "the coach changed before the draw"
press "$main_window" space
wait_for 20 "the coach to show the second hand" looks_unlike "$coach_window" "$work/coach1.png"

press "$main_window" alt+F4
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
log "passed"
