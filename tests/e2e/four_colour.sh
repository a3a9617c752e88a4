#!/usr/bin/env bash
# Four-colour cards in the real window: with --four-colour the Help tab's example of four of a
# kind (one card of each suit) shows the clubs' green and the diamonds' blue; without the option
# the same example shows neither, only the red and black of always.
test_name=four_colour
startup_ms=500   # the start-up window is not what this test looks at
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

# pixels_of FILE COLOUR: how many pixels of the picture have exactly that colour.
pixels_of() {
    convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

# example_in_window FILE: the Help tab's example of four of a kind, the whole window grabbed.
example_in_window() {
    start_game
    wait_for_main_window
    local width
    width=$(xdotool getwindowgeometry --shell "$main_window" | sed -n 's/^WIDTH=//p')
    activate "$main_window"
    # The six tabs share the row's width below the menu bar; "Four of a kind" heads the third
    # column of example buttons.
    xdotool mousemove --window "$main_window" $((11 * width / 12)) 37 click 1
    sleep 0.5
    xdotool mousemove --window "$main_window" 336 135 click 1
    sleep 0.5
    settle "$main_window" "$1"
    kill "$game_pid"   # how the game ends is not what this test looks at
    wait_for_game_end
}

start_x
game_args=(--four-colour)
example_in_window "$work/four.png"
game_args=()
example_in_window "$work/two.png"

green='rgb(0,125,96)' blue='rgb(0,60,180)' red='rgb(204,16,32)' black='rgb(22,22,26)'
for colour in "$green" "$blue" "$red" "$black"; do
    [ "$(pixels_of "$work/four.png" "$colour")" -ge 50 ] || fail "four-colour cards show no $colour (picture: $work/four.png)"
done
for colour in "$green" "$blue"; do
    [ "$(pixels_of "$work/two.png" "$colour")" -eq 0 ] || fail "without the option the cards show $colour (picture: $work/two.png)"
done
for colour in "$red" "$black"; do
    [ "$(pixels_of "$work/two.png" "$colour")" -ge 50 ] || fail "without the option the cards show no $colour (picture: $work/two.png)"
done
log "passed"
