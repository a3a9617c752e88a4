#!/usr/bin/env bash
# Plays two games from the keyboard in a real window: the first ended with F2, accepting the
# offered default name; the second with Ctrl+F4, typing a long name. Cards are random, so the
# written files are checked against what any deal must produce: both results at the top of the
# list in the right order, the counted hands paying exactly the results plus the stakes, and
# every other line unchanged.
test_name=play_and_exit
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

play_crafted_game

rounds=0
# One round from the keyboard: space bets (the focus starts on "&Bet >>"), the digits mark the
# cards to exchange, space draws. Input made while cards are dealt is acted upon afterwards.
play_round() {
    press "$main_window" space
    settle "$main_window" "$work/dealt.png"
    press "$main_window" "$@"
    press "$main_window" space
    sleep 1
    rounds=$((rounds + 1))
}

# The digit row toggles a card, with Shift too, and so does the keypad's 3.
press "$main_window" space
settle "$main_window" "$work/dealt.png"
grab "$main_window" "$work/cards.png" "$card_row"
press "$main_window" 3
wait_for 10 "key 3 to turn card 3 face down" looks_unlike "$main_window" "$work/cards.png" "$card_row"
press "$main_window" shift+3
wait_for 10 "Shift+3 to turn card 3 face up again" looks_like "$main_window" "$work/cards.png" "$card_row"
press "$main_window" KP_3
wait_for 10 "the keypad's 3 to turn card 3 face down" looks_unlike "$main_window" "$work/cards.png" "$card_row"
press "$main_window" KP_3
wait_for 10 "the keypad's 3 to turn card 3 face up again" looks_like "$main_window" "$work/cards.png" "$card_row"
press "$main_window" space
sleep 1
rounds=1
play_round 1 2 3
play_round 5
play_round 4 5
first_game_rounds=$rounds

# F2 offers the first game's result; Return accepts the offered start of the default name.
press "$main_window" F2
wait_for_prompt
press "$prompt_window" Return
wait_for 20 "the prompt to close" prompt_gone

play_round 1 2 3 4 5
play_round 2 4
play_round
play_round 1 3 5
play_round 2 3 4
play_round 1
log "played $rounds rounds"

press "$main_window" ctrl+F4
wait_for_prompt
type_text "$prompt_window" Abcdefgh
press "$prompt_window" Return
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"

# hi.dat: the two new entries on top, ordered by result (a tie keeps the older one first), then
# the crafted ranks 1..98.
read_values "$run_dir/hi.dat"
top=("${file_values[@]:0:4}")
is_whole_number "${top[0]}" && is_whole_number "${top[2]}" || fail "ranks 1 and 2 hold no whole-number scores"
case "${top[1]} ${top[3]}" in
    '"Zyxwv" "Abcde"') first_result=${top[0]} second_result=${top[2]}
        [ "$second_result" -le "$first_result" ] || fail "the better second result stands below the first" ;;
    '"Abcde" "Zyxwv"') first_result=${top[2]} second_result=${top[0]}
        [ "$second_result" -gt "$first_result" ] || fail "the second result stands above an equal or better first" ;;
    *) fail "ranks 1 and 2 are not named \"Zyxwv\" (offered) and \"Abcde\" (typed, cut to five)" ;;
esac
log "results: first game $first_result, second game $second_result"
values_to "$work/hi.expected" "${top[@]}"
head -n 196 "$work/hi.crafted" >>"$work/hi.expected"
same_bytes "$run_dir/hi.dat" "$work/hi.expected" "hi.dat"

# cfg.dat: the totals grew by the paying hands of all rounds; those hands paid exactly the two
# results plus the stakes of 10 a round; the settings are unchanged.
read_values "$run_dir/cfg.dat"
counted=0 paid=0 totals=()
for category in "${!pays[@]}"; do
    total=${file_values[$category]}
    is_whole_number "$total" || fail "cfg.dat line $((category + 1)) is not a count"
    added=$((total - crafted_totals[category]))
    [ "$added" -ge 0 ] || fail "cfg.dat line $((category + 1)) went down"
    counted=$((counted + added))
    paid=$((paid + added * pays[category]))
    totals+=("$total")
done
log "$counted paying hands, paid $paid"
[ "$counted" -le "$rounds" ] || fail "$counted paying hands counted in $rounds rounds"
[ $((first_result + 10 * first_game_rounds)) -ge 0 ] || fail "the first game lost more than its stakes"
[ $((second_result + 10 * (rounds - first_game_rounds))) -ge 0 ] || fail "the second game lost more than its stakes"
[ $((first_result + second_result)) -eq $((paid - 10 * rounds)) ] ||
    fail "results $first_result + $second_result differ from wins $paid minus stakes $((10 * rounds))"
values_to "$work/cfg.expected" "${totals[@]}" "${crafted_settings[@]}"
same_bytes "$run_dir/cfg.dat" "$work/cfg.expected" "cfg.dat"

log "passed"
