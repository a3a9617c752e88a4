# Sourced by the end-to-end tests that play with --coach: the coach's windows found by their
# titles, and where a window's frame lies.

coach_shown() { [ -n "$(xdotool search --onlyvisible --name '^Coach$' 2>/dev/null)" ]; }
coach_gone() { ! coach_shown; }
warning_shown() { [ -n "$(xdotool search --onlyvisible --name '^Coach: before the draw$' 2>/dev/null)" ]; }
warning_gone() { ! warning_shown; }

# frame_of WINDOW: "left top right bottom" of its frame, title bar and borders included; right
# and bottom are the first pixels past it.
frame_of() {
    local x y w h extents
    x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    w=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
    h=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    set -- $extents
    echo "$((x - $1)) $((y - $3)) $((x + w + $2)) $((y + h + $4))"
}

# turn_warning_on: ticks "Warn me before the draw" by its access key in the coach, then gives the
# keys back to the game.
turn_warning_on() {
    press "$main_window" F6
    wait_for 10 "the coach to get the focus" is_active "$coach_window"
    press "$coach_window" alt+w
    press "$coach_window" F6
    wait_for 10 "the game to get the focus back" is_active "$main_window"
}
