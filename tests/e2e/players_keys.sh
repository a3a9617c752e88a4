#!/usr/bin/env bash
# The keys players reach for, held as players hold them (the X server repeats them): Space held
# for two seconds places one bet; a digit held toggles its card once; Return and keypad Enter
# press the focused "&Bet >>" and "&Deal"; Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down and Ctrl+Page
# Up go round the six tabs; a digit held in the name field is text and marks no card. The main
# window and the About window offer the window manager neither resizing nor maximising. At the
# end the result equals the wins minus the stakes of the rounds meant.
# Usage: players_keys.sh path/to/quintdraw 1|2   (the scale factor)
test_name=players_keys_${2:?"usage: $0 path/to/quintdraw 1|2"}
startup_ms=500   # the start-up window is not what this test looks at
scale_factor=$2
screen_geometry=1280x1024x24
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

play_crafted_game
s=$scale_factor
card_row=$((500 * s))x$((60 * s))+0+$((90 * s))
card3=$((90 * s))x$((50 * s))+$((205 * s))+$((85 * s))   # the middle card, below the menu bar

# offers_no_resizing WINDOW: its Motif hints name functions without resize (2) and maximise
# (16), and no resize handle (4) or maximise button (64) among the decorations they name.
offers_no_resizing() {
    local hints
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r flags functions decorations _ <<<"$hints"
    [ -n "$flags" ] || fail "window $1 has no Motif hints"
    (( flags & 1 )) || fail "window $1 leaves its functions to the window manager ($hints)"
    (( (functions & 0x13) == 0 )) || fail "window $1 offers resizing or maximising ($hints)"
    (( (flags & 2) == 0 || (decorations & 0x45) == 0 )) || fail "window $1 asks for a resize handle or maximise button ($hints)"
    log "window $1: Motif hints $hints"
}
# hold KEY SECONDS: held down while the X server repeats it.
hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
    sleep 0.3
}
# menu_height: the menu bar above the client area, from the window's height.
menu_height() { echo $(( $(xdotool getwindowgeometry --shell "$main_window" | sed -n 's/^HEIGHT=//p') - 408 * s )); }

offers_no_resizing "$main_window"
settle "$main_window" "$work/backs.png"
grab "$main_window" "$work/backs3.png" "$card3"
activate "$main_window"
rounds=0

# Space held: one bet, and the focus is on "&Deal".
hold space 2
settle "$main_window" "$work/dealt.png"
grab "$main_window" "$work/dealt3.png" "$card3"
other_picture "$work/dealt3.png" "$work/backs3.png" || fail "Space held placed no bet"
rounds=1
# A digit held marks its card once: it shows the back; held again, the card comes back.
hold 3 2
settle "$main_window" "$work/marked.png"
looks_like "$main_window" "$work/backs3.png" "$card3" || fail "3 held did not leave card 3 marked"
hold 3 2
settle "$main_window" "$work/unmarked.png"
looks_like "$main_window" "$work/dealt3.png" "$card3" || fail "3 held again did not leave card 3 as dealt"
hold 3 1.5
# Return presses the focused "&Deal": card 3, marked, is drawn anew.
press "$main_window" Return
settle "$main_window" "$work/drawn.png"
grab "$main_window" "$work/drawn3.png" "$card3"
# A new card of the same suit differs from the old one only in its rank.
! same_picture "$work/drawn3.png" "$work/dealt3.png" && ! same_picture "$work/drawn3.png" "$work/backs3.png" ||
    fail "Return did not draw a new card 3"
grab "$main_window" "$work/before.png" "$card_row"
# Return on the focused "&Bet >>" bets; keypad Enter on "&Deal" draws.
press "$main_window" Return
settle "$main_window" "$work/dealt.png"
grab "$main_window" "$work/now.png" "$card_row"
[ "$(differing_pixels "$work/now.png" "$work/before.png")" -ge 300 ] || fail "Return on \"&Bet >>\" dealt no new cards"
rounds=2
press "$main_window" KP_Enter
settle "$main_window" "$work/drawn.png"

# Ctrl+Tab goes through all six tabs and back to the Game tab; so do the other three keys. Only
# the band of the tab row, the title and the cards is compared: a paying hand's name blinks.
band=$((497 * s))x$((150 * s))+0+0
grab "$main_window" "$work/game.png" "$band"
for keys in ctrl+Tab ctrl+shift+Tab ctrl+Next ctrl+Prior; do
    for tab in 1 2 3 4 5 6; do
        grab "$main_window" "$work/tab.png" "$band"
        press "$main_window" "$keys"
        looks_unlike "$main_window" "$work/tab.png" "$band" || fail "$keys did not change the tab ($tab)"
    done
    looks_like "$main_window" "$work/game.png" "$band" || fail "six times $keys did not come back to the Game tab"
done
log "Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down and Ctrl+Page Up went round the six tabs"

# During a round, a digit held in the default name field is text, repeated, and marks no card.
press "$main_window" space
settle "$main_window" "$work/dealt.png"
grab "$main_window" "$work/dealt_row.png" "$card_row"
rounds=3
press "$main_window" ctrl+Tab ctrl+Tab ctrl+Tab
xdotool mousemove --window "$main_window" $((52 * s)) $(( $(menu_height) + 188 * s )) click 1
sleep 0.3
xdotool key End
hold 2 1.5
press "$main_window" ctrl+Tab ctrl+Tab ctrl+Tab
settle "$main_window" "$work/back.png"
looks_like "$main_window" "$work/dealt_row.png" "$card_row" || fail "2 typed in the name field marked a card"
press "$main_window" space
settle "$main_window" "$work/drawn.png"

# The About window offers no resizing either.
activate "$main_window"
xdotool mousemove --window "$main_window" $((63 * s)) $(( $(menu_height) / 2 )) click 1
sleep 0.5
xdotool key a
about_shown() { [ -n "$(windows_of_type DIALOG '^About$')" ]; }
wait_for 10 "the About window" about_shown
offers_no_resizing "$(windows_of_type DIALOG '^About$' | head -n 1)"
xdotool key Return
sleep 0.5

press "$main_window" ctrl+F4
wait_for_prompt
press "$prompt_window" Return
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"

read_values "$run_dir/cfg.dat"
[[ ${file_values[11]} =~ ^\"?Zyxwvuts222+\"?$ ]] || fail "the held 2 did not repeat in the name field: ${file_values[11]}"
counted=0 paid=0
for category in "${!pays[@]}"; do
    added=$((file_values[category] - crafted_totals[category]))
    counted=$((counted + added))
    paid=$((paid + added * pays[category]))
done
read_values "$run_dir/hi.dat"
result=${file_values[0]}
log "result $result, $counted paying hands, paid $paid in $rounds rounds"
[ "$counted" -le "$rounds" ] || fail "$counted paying hands counted in $rounds rounds"
[ "$result" -eq $((paid - 10 * rounds)) ] || fail "result $result differs from wins $paid minus stakes $((10 * rounds))"
log "passed"
