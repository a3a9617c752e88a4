#!/usr/bin/env bash
# Closes the main window through the window manager (openbox's Alt+F4) in the middle of a game:
# the program ends at once, asks for no name and leaves both files exactly as they were.
test_name=close_mid_game
startup_ms=500   # the start-up window is not what this test looks at
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

play_crafted_game

# A whole round, so the run has something to lose, then a bet with a card marked.
press "$main_window" space
settle "$main_window" "$work/dealt.png"
press "$main_window" 1 space
sleep 1
press "$main_window" space
settle "$main_window" "$work/dealt.png"
grab "$main_window" "$work/cards.png" "$card_row"
press "$main_window" 4
wait_for 10 "key 4 to turn card 4 face down" looks_unlike "$main_window" "$work/cards.png" "$card_row"

press "$main_window" alt+F4
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"

same_bytes "$run_dir/hi.dat" "$work/hi.crafted" "hi.dat"
same_bytes "$run_dir/cfg.dat" "$work/cfg.crafted" "cfg.dat"
log "passed"
