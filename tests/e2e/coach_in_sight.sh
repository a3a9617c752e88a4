#!/usr/bin/env bash
# Plays with --coach on a small screen: at scale 2 on 1280x1024 (640x512 logical pixels) and at
# scale 1 on 1024x768, the coach and its warning before the draw leave the five cards, "&Deal",
# "&Bet >>" and the stakes uncovered, lie wholly on the screen, and the game keeps the keys
# until the player goes to the coach. Where those controls lie is read from the main window's
# place (xwininfo) and the Game tab's fixed layout, in logical pixels from the top left of the
# area below the menu bar, times the scale.
# Usage: coach_in_sight.sh path/to/quintdraw 1|2   (the scale factor)
test_name=coach_in_sight_${2:?"usage: $0 path/to/quintdraw 1|2"}
startup_ms=500   # the start-up window is not what this test looks at
game_args=(--coach)
scale_factor=$2
case $scale_factor in
    1) screen_geometry=1024x768x24 ;;
    2) screen_geometry=1280x1024x24 ;;
    *) echo "usage: $0 path/to/quintdraw 1|2" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/coach_windows.sh"

screen_width=${screen_geometry%%x*}
screen_height=${screen_geometry#*x}
screen_height=${screen_height%%x*}
tab_height=408   # the main window's area below the menu bar, logical pixels

# name left top width height, logical pixels on the Game tab: each card with its cover, the two
# buttons of a round, the six stakes with their captions.
in_sight=(
    "the five cards" 8 80 477 57
    "&Deal" 16 352 113 41
    "&Bet >>" 240 352 113 41
    "the stakes" 376 341 113 60
)

# leaves_in_sight NAME WINDOW: the window's frame covers none of the controls, and lies on the
# screen.
leaves_in_sight() {
    local name=$1 frame tab_left tab_top i
    frame=$(frame_of "$2")
    log "$name at $frame (left top right bottom)"
    set -- $frame
    local left=$1 top=$2 right=$3 bottom=$4
    [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le "$screen_width" ] && [ "$bottom" -le "$screen_height" ] ||
        fail "$name at $frame lies partly off the $screen_width x $screen_height screen"
    tab_left=$(xwininfo -id "$main_window" | sed -n 's/.*Absolute upper-left X: *//p')
    tab_top=$(( $(xwininfo -id "$main_window" | sed -n 's/.*Absolute upper-left Y: *//p')
                + $(xwininfo -id "$main_window" | sed -n 's/.*Height: *//p') - tab_height * scale_factor ))
    for (( i = 0; i < ${#in_sight[@]}; i += 5 )); do
        local what=${in_sight[i]} s=$scale_factor
        local c_left=$(( tab_left + ${in_sight[i + 1]} * s )) c_top=$(( tab_top + ${in_sight[i + 2]} * s ))
        local c_right=$(( c_left + ${in_sight[i + 3]} * s )) c_bottom=$(( c_top + ${in_sight[i + 4]} * s ))
        if [ "$left" -lt "$c_right" ] && [ "$c_left" -lt "$right" ] && [ "$top" -lt "$c_bottom" ] && [ "$c_top" -lt "$bottom" ]; then
            fail "$name at $frame covers $what at $c_left $c_top $c_right $c_bottom"
        fi
    done
}

# coach_above_game: the coach, where it lies over the main window, comes after the main window in the window manager's stacking
# order, bottom to top, so that the part of the main window it lies over does not hide it.
coach_above_game() {
    local order
    order=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    local id position=0 main_at=-1 coach_at=-1
    for id in $order; do
        [ "$((id))" = "$main_window" ] && main_at=$position
        [ "$((id))" = "$coach_window" ] && coach_at=$position
        position=$((position + 1))
    done
    log "stacking: main window at $main_at, coach at $coach_at"
    [ "$coach_at" -gt "$main_at" ]
}

start_x
start_game
wait_for_main_window
wait_for 20 "the window \"Coach\"" coach_shown
coach_window=$(xdotool search --onlyvisible --name '^Coach$' | head -n 1)
sleep 1   # placed again once its frame is known
is_active "$main_window" || fail "the coach took the focus from the main window"
leaves_in_sight "the coach" "$coach_window"

turn_warning_on

# Exchanging all five cards is seldom the best hold; a hand where it is draws without a word,
# and the next one is tried.
warned=0
for try in 1 2 3 4; do
    press "$main_window" space
    settle "$main_window" "$work/dealt.png"
    press "$main_window" 1 2 3 4 5
    press "$main_window" alt+d
    if wait_for 5 "the warning" warning_shown 2>/dev/null; then warned=1; break; fi
    log "exchanging all five was the best hold of hand $try"
    settle "$main_window" "$work/drawn.png"
done
[ "$warned" = 1 ] || fail "no warning before four draws of five new cards"
warning=$(xdotool search --onlyvisible --name '^Coach: before the draw$' | head -n 1)
leaves_in_sight "the warning" "$warning"
press "$warning" alt+a   # "Draw anyway"
wait_for 10 "the warning to close" warning_gone
settle "$main_window" "$work/drawn.png"
# The coach has told the hand and has not moved over the table meanwhile.
leaves_in_sight "the coach after the hand" "$coach_window"
is_active "$main_window" || fail "the game lost the keys after the draw"
set -- $(frame_of "$main_window")
main_frame=("$@")
set -- $(frame_of "$coach_window")
if [ "$1" -lt "${main_frame[2]}" ] && [ "${main_frame[0]}" -lt "$3" ] && [ "$2" -lt "${main_frame[3]}" ] && [ "${main_frame[1]}" -lt "$4" ]; then
    coach_above_game || fail "the main window, active again, hides the coach"
fi

press "$main_window" alt+F4
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
log "passed"
