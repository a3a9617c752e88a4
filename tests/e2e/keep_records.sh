#!/usr/bin/env bash
# A cut hi.dat and a cfg.dat that cannot be read (a folder stands in its place): a notice tells
# of both after start-up; Ctrl+F4 keeps the cut file's bytes as hi.dat.bak before writing hi.dat,
# then refuses to replace cfg.dat and says why; "Leave without saving", chosen from the keyboard,
# ends the game with cfg.dat untouched.
test_name=keep_records
startup_ms=500   # the start-up window is not what this test looks at
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

craft_records "$run_dir"
head -c 1000 "$work/hi.crafted" >"$run_dir/hi.dat"
cp "$run_dir/hi.dat" "$work/hi.cut"
rm "$run_dir/cfg.dat"
mkdir "$run_dir/cfg.dat"
start_x
start_game
wait_for_main_window
# The player is told at once, beside the game, that files were found damaged or unreadable.
notice_shown() { [ -n "$(windows_of_type DIALOG '^Quintdraw records$')" ]; }
wait_for 20 "the notice about the records" notice_shown

# The cut list is filled up with the built-in entries; a result of 0 still beats the crafted ones.
press "$main_window" ctrl+F4
wait_for_prompt
press "$prompt_window" Return
failure_shown() { [ -n "$(windows_of_type DIALOG '^Quintdraw$')" ]; }
wait_for 30 "the save-failure dialog" failure_shown
failure_window=$(windows_of_type DIALOG '^Quintdraw$' | head -n 1)
log "save-failure dialog $failure_window shown"
same_bytes "$run_dir/hi.dat.bak" "$work/hi.cut" "hi.dat.bak"
grep -q 'hi.dat.bak' "$work/game.log" || fail "the game did not say on standard error that it kept hi.dat.bak"
[ -d "$run_dir/cfg.dat" ] || fail "cfg.dat was replaced though it could not be read"

# The focus starts on "Try again"; Tab reaches "Leave without saving".
press "$failure_window" Tab space
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
[ -d "$run_dir/cfg.dat" ] || fail "cfg.dat was replaced though it could not be read"
[ ! -e "$run_dir/cfg.dat.bak" ] || fail "a cfg.dat.bak was made of a file that could not be read"
read_values "$run_dir/hi.dat"
[ "${#file_values[@]}" -eq 200 ] || fail "hi.dat holds ${#file_values[@]} values, not 200"
log "passed"
