#!/usr/bin/env bash
# Plays a round from the keyboard with a screen reader's ears on the real accessibility bus (a
# private D-Bus session with its own AT-SPI bus): a listener records the focus moves and changed
# descriptions. A screen reader voices a changed description only on the focused control, and
# only the text its event carries, so the dealt cards and each mark must arrive there that way,
# the round's result with the focus on "&Bet >>", and the focus must go from "&Bet >>" straight
# to "&Deal" and back. The help topics must be readable as text, the start sum changeable by
# keys, and the focus back on the round's button when "Game" is shown again.
test_name=screen_reader
startup_ms=500   # the start-up window is not what this test looks at
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/accessibility_bus.sh"

start_x
start_accessibility_bus
events=$work/events.jsonl
listener_ready() { [ -e "$work/listener.ready" ]; }
"$python" "$here/atspi_listen.py" "$events" "$work/listener.ready" 2>"$work/listener.log" &
bus_pids+=("$!")
wait_for 30 "the accessibility listener" listener_ready
log "accessibility bus and listener are up"

start_game
wait_for_main_window
wait_for 30 "the game on the accessibility bus" game_on_bus
activate "$main_window"
sleep 1
started_at=$(wc -l <"$events")

press "$main_window" space
settle "$main_window" "$work/dealt.png"
sleep 1
dealt_at=$(wc -l <"$events")
press "$main_window" 1 2
press "$main_window" space
settle "$main_window" "$work/drawn.png"
sleep 1
tail -n +"$((started_at + 1))" "$events" >"$work/round.jsonl"
head -n "$dealt_at" "$events" | tail -n +"$((started_at + 1))" >"$work/bet.jsonl"

# What one bet costs a screen reader: every changed description and every announcement is an
# event it must take; the table is told once it is dealt, and names change only with what the
# screen shows (five cards turned face up; the balance, stake, win and the hand's name).
"$python" - "$work/bet.jsonl" <<'PY' || fail "one bet sent too much to the screen reader (events: $work/bet.jsonl)"
import json, sys
events = [json.loads(line) for line in open(sys.argv[1])]
descriptions = sum(e["type"].endswith("accessible-description") for e in events)
names = sum(e["type"].endswith("accessible-name") for e in events)
print(f"one bet: {descriptions} description changes and announcements, {names} name changes")
sys.exit(0 if descriptions <= 6 and names <= 9 else 1)
PY

"$python" - "$work/round.jsonl" <<'PY' || fail "the round did not reach the screen reader as it should (events: $work/round.jsonl)"
import json, re, sys
events = [json.loads(line) for line in open(sys.argv[1])]
card = r"(?:\d+|Jack|Queen|King|Ace) of (?:diamonds|hearts|clubs|spades)"
row = re.compile(rf"^({card}), ({card}), ({card}), ({card}), ({card})\.")
problems = []

focus = [(e["role"], e["name"]) for e in events if e["type"].endswith("focused") and e.get("detail") == 1]
if focus != [("push button", "Deal"), ("push button", "Bet >>")]:
    problems.append(f"focus moved {focus}, not straight to Deal and back to Bet >>")

# What a screen reader speaks: a control gaining the focus with its name and description, and
# on the focused control the text a changed description's event carries. "Deal" is heard
# gaining the focus once its cards are dealt, so it is read out once, with the whole table.
heard = []
for e in events:
    if e["type"].endswith("focused") and e.get("detail") == 1:
        heard.append((e["name"], e["description"]))
    elif e["type"].endswith("accessible-description") and e.get("focused") and e.get("value"):
        heard.append((e["name"], e["value"]))
if len(heard) != 4:
    problems.append(f"expected the focus on Deal with the dealt cards, 2 marks there, then the focus on Bet >> with the result; heard {heard}")
else:
    (n1, dealt), (n2, mark1), (n3, mark2), (n4, drawn) = heard
    d, f = row.match(dealt), row.match(drawn)
    if n1 != "Deal" or not d or not re.search(r"\. Bet 10\. Balance 90\.$", dealt):
        problems.append(f"after the bet {n1!r} said {dealt!r}")
    elif (n2, mark1) != ("Deal", f"{d[1]}, to be exchanged") or (n3, mark2) != ("Deal", f"{d[2]}, to be exchanged"):
        problems.append(f"the marks said {mark1!r}, {mark2!r}")
    if n4 != "Bet >>" or not f or not re.search(r"\. (?:[A-Z][^.]*|This hand pays nothing)\. Bet 10\. Won \d+, balance \d+\.$", drawn):
        problems.append(f"after the draw {n4!r} said {drawn!r}")
    elif d and (f.groups()[2:] != d.groups()[2:] or f[1] == d[1] or f[2] == d[2]):
        problems.append(f"the drawn hand {drawn!r} does not follow the dealt {dealt!r} with cards 1 and 2 exchanged")
print("\n".join(problems) or "round heard: " + " | ".join(d for _, d in heard))
sys.exit(1 if problems else 0)
PY

# click_caption CAPTION: a real click on a tab caption.
click_caption() {
    local x y
    read -r x y < <(query where "page tab" "$1") || fail "no tab caption \"$1\""
    activate "$main_window"
    xdotool mousemove "$x" "$y" click 1
    sleep 0.5
}
# What the listener last heard gain the focus, as "role|name".
last_focus() { query last-focus "$events"; }
focused_is() { [ "$(last_focus)" = "$1" ]; }

click_caption Settings
for _ in 1 2 3 4 5 6 7 8; do
    focused_is "spin button|Start sum" && break
    press "$main_window" Tab
done
focused_is "spin button|Start sum" || fail "Tab never reached the start sum; the focus is on $(last_focus)"
press "$main_window" Up Up Down
[ "$(query value "spin button" "Start sum")" = 110 ] || fail "Up, Up, Down made the start sum $(query value "spin button" "Start sum")"
log "start sum changed by keys"

click_caption Game
focused_is "push button|Bet >>" || fail "back on the Game tab, the focus is on $(last_focus)"
press "$main_window" space
settle "$main_window" "$work/dealt-again.png"
focused_is "push button|Deal" || fail "Space after coming back did not bet; the focus is on $(last_focus)"
five_cards='^([^,]+ of [a-z]+, ){4}[^,.]+ of [a-z]+[.]'
[[ $(query describe "push button" "Deal") =~ $five_cards ]] || fail "the second bet told no cards"
log "the focus came back to the round's button"

# Where am I, mid-round: the focused button tells the whole table.
press "$main_window" 3
table=$(query describe "push button" "Deal")
[[ $table =~ ^([^,]+\ of\ [a-z]+,\ ){2}[^,]+\ of\ [a-z]+,\ to\ be\ exchanged,\ ([^,]+\ of\ [a-z]+,\ ){1}[^,.]+\ of\ [a-z]+[.].*\ Bet\ 10[.]\ Balance\ -?[0-9]+[.]$ ]] ||
    fail "mid-round, where am I on Deal tells \"$table\""
log "where am I tells the table: $table"

tabs=$(query tabs | paste -sd '|')
[ "$tabs" = "page tab:Game|page tab:Stats|page tab:Hi-score|page tab:Settings|page tab:Payoff|page tab:Help" ] ||
    fail "the tab row holds $tabs"

# Every value on the other tabs, with what it is, in its name: a label's description is not
# spoken by every screen reader.
query tab Stats
sleep 0.5
for counted in "One Pair, current game" "Royal flush, total" "Average win per turn"; do
    query named "label" "^$counted: [0-9.]+\$" >/dev/null || fail "no value is named \"$counted: <number>\""
done
query tab Payoff
sleep 0.5
query named "label" "^Royal flush pays 10000 for a stake of 10\$" >/dev/null || fail "no amount is named \"Royal flush pays 10000 for a stake of 10\""
query press "radio button" 20
sleep 0.5
query named "label" "^Royal flush pays 20000 for a stake of 20\$" >/dev/null || fail "after the stake 20, no amount is named \"Royal flush pays 20000 for a stake of 20\""
log "Stats and Payoff values reachable"

query tab Help
sleep 0.5
topic=$(query describe "push button" "How to play") || fail "the help topic button is not reachable"
[[ $topic == *"First you place a bet"* ]] || fail "the help topic \"How to play\" reads \"$topic\""
query press "push button" "Keyboard"
sleep 0.5
second_line=$(query text filler Keyboard | sed -n 2p)
[ "$second_line" = "To bet or to deal you can use SPACE BAR." ] || fail "the Keyboard topic's second line reads \"$second_line\""
log "help topic text reachable, line by line"
query press "push button" "Four of a kind"
sleep 0.5
example=$(for place in 1 2 3 4 5; do query described "example card $place"; done | paste -sd '|')
[[ $example =~ ^([0-9A-Za-z]+)\ of\ diamonds\|([0-9A-Za-z]+)\ of\ hearts\|.*\|card\ back$ && ${BASH_REMATCH[1]} = "${BASH_REMATCH[2]}" ]] ||
    fail "the example \"Four of a kind\" reads \"$example\""
log "help example readable: $example"

log "passed"
