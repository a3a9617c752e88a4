#!/usr/bin/env bash
# Escape answers every dialog as its cancel, without a pointer: the data folder that cannot be
# made (the error closes and the game ends with status 1, the reason also on standard error);
# the save-failure dialog ("Leave without saving": the game ends, cfg.dat untouched); the coach's
# warning before the draw ("Change my hold": nothing is drawn).
test_name=dialogs_escape
startup_ms=500   # the start-up window is not what this test looks at
game_args=(--coach)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"
source "$here/coach_windows.sh"

dialog_shown() { [ -n "$(windows_of_type DIALOG "$1")" ]; }
dialog_gone() { ! dialog_shown "$1"; }
# escape_closes TITLE_REGEX: the dialog shows and Escape closes it.
escape_closes() {
    wait_for 30 "the dialog $1" dialog_shown "$1"
    press "$(windows_of_type DIALOG "$1" | head -n 1)" Escape
    wait_for 10 "Escape to close the dialog $1" dialog_gone "$1"
}

start_x

# The data folder's parent is a file.
: >"$work/not_a_folder"
saved_args=("${game_args[@]}")
game_args=(--data-folder)
XDG_DATA_HOME=$work/not_a_folder start_game
escape_closes '^Quintdraw$'
wait_for_game_end
[ "$game_status" -eq 1 ] || fail "the data-folder error ended the game with status $game_status, not 1"
grep -q "cannot keep its records in" "$work/game.log" || fail "the data-folder error is not on standard error"
game_args=("${saved_args[@]}")

# cfg.dat cannot be read (a folder stands in its place), so Exit cannot replace it.
craft_records "$run_dir"
rm "$run_dir/cfg.dat"
mkdir "$run_dir/cfg.dat"
start_game
wait_for_main_window
# The coach comes up beside the main window, a moment after it under load.
wait_for 20 "the window \"Coach\"" coach_shown
coach_window=$(xdotool search --onlyvisible --name '^Coach$' | head -n 1)

turn_warning_on
# Exchanging all five cards is seldom the best hold; a hand where it is draws without a word,
# and the next one is tried.
warning='^Coach: before the draw$'
for try in 1 2 3 4 5 6; do
    press "$main_window" space
    settle "$main_window" "$work/dealt.png"
    press "$main_window" 1 2 3 4 5
    settle "$main_window" "$work/marked_settled.png"
    grab "$main_window" "$work/marked.png" "$card_row"
    press "$main_window" alt+d
    wait_for 5 "the warning" dialog_shown "$warning" 2>/dev/null && break
    [ "$try" -lt 6 ] || fail "no warning before six draws of five new cards"
done
escape_closes "$warning"
sleep 0.5
looks_like "$main_window" "$work/marked.png" "$card_row" || fail "cards were drawn after Escape in the warning"

# A game warned at a draw offers no hi-score: Exit goes straight to saving.
press "$main_window" ctrl+F4
escape_closes '^Quintdraw$'
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "Escape in the save-failure dialog ended the game with status $game_status"
[ -d "$run_dir/cfg.dat" ] || fail "cfg.dat was replaced though it could not be read"
log "passed"
