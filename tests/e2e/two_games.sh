#!/usr/bin/env bash
# Two games in one folder, both reaching the hi-score list. First they end one after the other;
# then the first game's save is held half-way (a test-only pause of its writer) while the second
# ends and saves; then the first is stopped (SIGSTOP) half-way through its save: the second keeps
# painting its window and after a few seconds says that another Quintdraw is saving, and "Try
# again" once the first goes on saves it. Each time hi.dat holds both games' entries above the
# crafted list, and cfg.dat counts every paying hand of both games.
test_name=two_games
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/records.sh"

declare -A pid window rounds result

# window_of PID TYPE NAME_REGEX: the game's visible window of that type and name.
window_of() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name "$3" 2>/dev/null); do
        if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | head -n 1 | sed 's/,.*//' \
            | grep -q "_NET_WM_WINDOW_TYPE_$2\$"; then
            echo "$id"
        fi
    done
}
has_window() { [ -n "$(window_of "$@")" ]; }
player_gone() { ! kill -0 "${pid[$1]}" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/${pid[$1]}/stat" 2>/dev/null)" = Z ]; }

# start_player NAME [VARIABLE=VALUE...]: the game in the run folder, with its own log.
start_player() {
    local name=$1
    shift
    (cd "$run_dir" && exec env "$@" QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        "$game_exe") >"$work/$name.log" 2>&1 &
    pid[$name]=$!
    rounds[$name]=0
    wait_for 60 "the main window of game $name" has_window "${pid[$name]}" NORMAL '^Quintdraw$'
    window[$name]=$(window_of "${pid[$name]}" NORMAL '^Quintdraw$' | head -n 1)
    log "game $name (pid ${pid[$name]}) shows window ${window[$name]}"
}

# play NAME COUNT: rounds from the keyboard, keeping every card.
play() {
    local i
    for ((i = 0; i < $2; i++)); do
        press "${window[$1]}" space
        settle "${window[$1]}" "$work/dealt.png"
        press "${window[$1]}" space
        sleep 1
        rounds[$1]=$((rounds[$1] + 1))
    done
}

# end_game NAME ENTRY_NAME: Ctrl+F4 and the entry's name typed into the hi-score prompt.
end_game() {
    press "${window[$1]}" ctrl+F4
    wait_for 30 "the hi-score prompt of game $1" has_window "${pid[$1]}" DIALOG '^You got a hi-score$'
    local prompt
    prompt=$(window_of "${pid[$1]}" DIALOG '^You got a hi-score$' | head -n 1)
    type_text "$prompt" "$2"
    press "$prompt" Return
    log "game $1 ends"
}

wait_for_end() {
    wait_for 60 "game $1 to end" player_gone "$1"
    local status=0
    wait "${pid[$1]}" || status=$?
    [ "$status" -eq 0 ] || fail "game $1 ended with status $status: $(cat "$work/$1.log")"
}

# check_records FIRST SECOND: both entries on top (the first saved keeps the better rank of a
# tie), the crafted ranks below, and the totals grown by both games' paying hands.
check_records() {
    local first=$1 second=$2 i score name
    read_values "$run_dir/hi.dat"
    for i in 0 2; do
        score=${file_values[$i]} name=${file_values[$((i + 1))]}
        is_whole_number "$score" || fail "rank $((i / 2 + 1)) holds no whole-number score"
        case $name in
            \"Aaaaa\") result[A]=$score ;;
            \"Bbbbb\") result[B]=$score ;;
            *) fail "rank $((i / 2 + 1)) is $name, not one of the two games" ;;
        esac
    done
    [ -n "${result[A]:-}" ] && [ -n "${result[B]:-}" ] || fail "hi.dat lacks one of the games' entries"
    if [ "${result[$second]}" -gt "${result[$first]}" ]; then
        values_to "$work/hi.expected" "${result[$second]}" "\"${second}${second,,}${second,,}${second,,}${second,,}\"" \
            "${result[$first]}" "\"${first}${first,,}${first,,}${first,,}${first,,}\""
    else
        values_to "$work/hi.expected" "${result[$first]}" "\"${first}${first,,}${first,,}${first,,}${first,,}\"" \
            "${result[$second]}" "\"${second}${second,,}${second,,}${second,,}${second,,}\""
    fi
    head -n 196 "$work/hi.crafted" >>"$work/hi.expected"
    same_bytes "$run_dir/hi.dat" "$work/hi.expected" "hi.dat"

    read_values "$run_dir/cfg.dat"
    local category total paid=0 totals=() played=$((rounds[A] + rounds[B]))
    for category in "${!pays[@]}"; do
        total=${file_values[$category]}
        is_whole_number "$total" || fail "cfg.dat line $((category + 1)) is not a count"
        [ "$total" -ge "${crafted_totals[$category]}" ] || fail "cfg.dat line $((category + 1)) went down"
        paid=$((paid + (total - crafted_totals[category]) * pays[category]))
        totals+=("$total")
    done
    [ $((result[A] + result[B])) -eq $((paid - 10 * played)) ] ||
        fail "results ${result[A]} + ${result[B]} differ from the counted wins $paid minus stakes $((10 * played))"
    values_to "$work/cfg.expected" "${totals[@]}" "${crafted_settings[@]}"
    same_bytes "$run_dir/cfg.dat" "$work/cfg.expected" "cfg.dat"
    log "both games kept: results ${result[A]} and ${result[B]}, wins $paid"
}

start_x

log "--- one after the other"
craft_records "$run_dir"
start_player A
start_player B
play A 2
play B 2
end_game A Aaaaa
wait_for_end A
end_game B Bbbbb
wait_for_end B
check_records A B

log "--- the second saves while the first is half-way through saving"
craft_records "$run_dir"
result=()
start_player A QUINTDRAW_TEST_SAVE_PAUSE_MS=3000
start_player B
play A 2
play B 2
end_game A Aaaaa
player_gone A && fail "game A ended before its save was held"
end_game B Bbbbb
player_gone A && fail "game A ended before game B saved"
wait_for_end A
wait_for_end B
check_records A B

log "--- the first is stopped half-way through saving: the second waits, painting, and says why"
craft_records "$run_dir"
result=()
start_player A QUINTDRAW_TEST_SAVE_PAUSE_MS=2000
start_player B
play A 2
play B 2
grab "${window[B]}" "$work/B-before.png" "$card_row"
end_game A Aaaaa
saving_now() { compgen -G "$run_dir/hi.dat.saving.*" >/dev/null; }
wait_for 20 "game A to be writing hi.dat under the lock" saving_now
kill -STOP "${pid[A]}"
log "game A stopped while saving"
end_game B Bbbbb
sleep 1
has_window "${pid[B]}" DIALOG '^You got a hi-score$' && fail "game B's dismissed name prompt stays while it waits"
looks_like "${window[B]}" "$work/B-before.png" "$card_row" || fail "game B's window is not painted while it waits"
wait_for 20 "game B to say another Quintdraw is saving" has_window "${pid[B]}" DIALOG '^Quintdraw$'
player_gone B && fail "game B ended without saving"
kill -CONT "${pid[A]}"
press "$(window_of "${pid[B]}" DIALOG '^Quintdraw$' | head -n 1)" Return
log "game A goes on; game B tries again"
wait_for_end A
wait_for_end B
check_records A B
log "passed"
