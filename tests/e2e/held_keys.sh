#!/usr/bin/env bash
# Presses that come while cards are dealt or rise: Alt+B twice during the first deal, Alt+D twice
# and held (key repeat) during a draw of three cards, the space bar three times quickly. Each is
# acted upon once, afterwards, as the buttons then allow; ten more rounds then go on normally:
# every bet deals new cards, and the results equal the wins minus the stakes.
# Usage: held_keys.sh path/to/quintdraw fast|slow
test_name=held_keys_${2:?"usage: $0 path/to/quintdraw fast|slow"}
startup_ms=500   # the start-up window is not what this test looks at
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

case $2 in
    fast) crafted_settings[0]=0 hold_seconds=1.5 ;;
    slow) crafted_settings[0]=1 hold_seconds=6 settle_seconds=1.6 ;;
    *) fail "speed is fast or slow, not $2" ;;
esac
play_crafted_game

rounds=0
# drawn: waits for the round's end and keeps its card row as before.png.
drawn() {
    settle "$main_window" "$work/settled.png"
    grab "$main_window" "$work/before.png" "$card_row"
}
# bet_dealt_new_cards PICTURE: after a bet, the card row no longer shows PICTURE's cards.
bet_dealt_new_cards() {
    settle "$main_window" "$work/dealt.png"
    # New cards may repeat the old suits at their places: their ranks still differ.
    grab "$main_window" "$work/now.png" "$card_row" && [ "$(differing_pixels "$work/now.png" "$1")" -ge 300 ] ||
        fail "bet $((rounds + 1)) dealt no new cards"
}

drawn
activate "$main_window"
xdotool key --delay 150 alt+b alt+b
bet_dealt_new_cards "$work/before.png"
press "$main_window" 1 2 3
xdotool key --delay 200 alt+d alt+d
drawn
rounds=1

press "$main_window" space
bet_dealt_new_cards "$work/before.png"
press "$main_window" 1 2 3
xdotool keydown alt+d
sleep "$hold_seconds"
xdotool keyup alt+d
drawn
rounds=2

# Bet, draw, bet; then the draw of that last round.
xdotool key --delay 80 space space space
bet_dealt_new_cards "$work/before.png"
press "$main_window" space
drawn
rounds=4

for round in $(seq 1 10); do
    press "$main_window" space
    bet_dealt_new_cards "$work/before.png"
    press "$main_window" $((round % 5 + 1)) space
    drawn
    rounds=$((rounds + 1))
done
log "played $rounds rounds"

press "$main_window" ctrl+F4
wait_for_prompt
press "$prompt_window" Return
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"

read_values "$run_dir/hi.dat"
result=${file_values[0]}
is_whole_number "$result" || fail "rank 1 holds no whole-number score"
read_values "$run_dir/cfg.dat"
counted=0 paid=0
for category in "${!pays[@]}"; do
    added=$((file_values[category] - crafted_totals[category]))
    [ "$added" -ge 0 ] || fail "cfg.dat line $((category + 1)) went down"
    counted=$((counted + added))
    paid=$((paid + added * pays[category]))
done
log "result $result, $counted paying hands, paid $paid"
[ "$counted" -le "$rounds" ] || fail "$counted paying hands counted in $rounds rounds"
[ "$result" -eq $((paid - 10 * rounds)) ] || fail "result $result differs from wins $paid minus stakes $((10 * rounds))"
log "passed"
