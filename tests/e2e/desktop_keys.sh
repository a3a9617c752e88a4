#!/usr/bin/env bash
# The desktop's own keys, beside the game's: F10 opens the menu bar and the arrows reach
# "&About"; Escape closes the About window; F1 shows the Help tab from the Stats tab; Escape
# cancels the hi-score prompt of F2 (an empty name); Ctrl+Q, like "&Exit", offers the result
# and saves.
test_name=desktop_keys
startup_ms=500   # the start-up window is not what this test looks at
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

about_shown() { [ -n "$(windows_of_type DIALOG '^About$')" ]; }
about_gone() { ! about_shown; }

play_crafted_game

# F10 opens "File"; Right moves to "About", whose one item Return chooses.
press "$main_window" F10 Right Return
wait_for 10 "the About window after F10, Right, Return" about_shown
about_window=$(windows_of_type DIALOG '^About$' | head -n 1)
press "$about_window" Escape
wait_for 10 "Escape to close the About window" about_gone

# Ctrl+Shift+Tab wraps round to the Help tab, which F1 must show from the Stats tab.
press "$main_window" ctrl+shift+Tab
settle "$main_window" "$work/help.png"
press "$main_window" ctrl+Tab ctrl+Tab
settle "$main_window" "$work/stats.png"
other_picture "$work/stats.png" "$work/help.png" || fail "Ctrl+Tab twice did not leave the Help tab"
press "$main_window" F1
wait_for 10 "F1 to show the Help tab" looks_like "$main_window" "$work/help.png"

# A result of 0 beats every crafted entry: F2 asks for a name; Escape cancels it, and the entry
# is made with an empty name.
press "$main_window" F2
wait_for_prompt
press "$prompt_window" Escape
wait_for 10 "Escape to close the name prompt" prompt_gone
game_alive || fail "Escape in the name prompt ended the game"

# Ctrl+Q offers the result as "&Exit" does; Return takes the offered name; both files are saved.
press "$main_window" ctrl+q
wait_for_prompt
press "$prompt_window" Return
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "Ctrl+Q ended the game with status $game_status"
read_values "$run_dir/hi.dat"
[ "${#file_values[@]}" -eq 200 ] || fail "hi.dat holds ${#file_values[@]} values, not 200"
[ "${file_values[*]:0:4}" = '0 "" 0 "Zyxwv"' ] ||
    fail "ranks 1 and 2 are ${file_values[*]:0:4}, not F2's cancelled entry and Ctrl+Q's \"Zyxwv\""
read_values "$run_dir/cfg.dat"
[ "${#file_values[@]}" -eq 12 ] || fail "cfg.dat holds ${#file_values[@]} values, not 12"
log "passed"
