#!/usr/bin/env bash
# Plays a round from the keyboard with a screen reader's ears on the real accessibility bus (a
# private D-Bus session with its own AT-SPI bus): a listener records the focus moves and changed
# descriptions. A screen reader voices a changed description only on the focused control, so
# the dealt cards, each mark and the round's result must arrive there, and the focus must go
# from "&Bet >>" straight to "&Deal" and back. The help topics must be readable as text, the
# start sum changeable by keys, and the focus back on the round's button when "Game" is shown
# again.
test_name=screen_reader
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

python=/usr/bin/python3   # Debian's, which has pyatspi
launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v dbus-daemon >/dev/null || [ ! -x "$launcher" ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    [ "${CI:-}" = true ] && fail "missing dbus-daemon, at-spi2-core or python3-pyatspi: run scripts/install-deps.sh --test"
    echo "SKIP: missing dbus-daemon, at-spi2-core or python3-pyatspi" >&2
    exit 77
fi

bus_pid='' launcher_pid='' listener_pid=''
stop_accessibility() {
    local pid
    for pid in "$listener_pid" "$launcher_pid" "$bus_pid"; do
        [ -n "$pid" ] && { kill "$pid" 2>/dev/null || true; }
    done
    return 0
}
# session.sh's cleanup reads the exit status from $?, so it is handed on.
stop_all() {
    local status=$?
    stop_accessibility
    set +e
    (exit "$status")
    cleanup
}
trap stop_all EXIT

start_x
dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 3>"$work/bus.address" 4>"$work/bus.pid"
bus_pid=$(head -n 1 "$work/bus.pid")
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus.address")
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!
events=$work/events.jsonl
listener_ready() { [ -e "$work/listener.ready" ]; }
"$python" "$here/atspi_listen.py" "$events" "$work/listener.ready" 2>"$work/listener.log" &
listener_pid=$!
wait_for 30 "the accessibility listener" listener_ready
log "accessibility bus and listener are up"

start_game
wait_for_main_window
query() { "$python" "$here/atspi_query.py" "$@"; }
game_on_bus() { query describe "push button" "Bet >>" >/dev/null 2>&1; }
wait_for 30 "the game on the accessibility bus" game_on_bus
activate "$main_window"
sleep 1
started_at=$(wc -l <"$events")

press "$main_window" space
settle "$main_window" "$work/dealt.png"
press "$main_window" 1 2
press "$main_window" space
settle "$main_window" "$work/drawn.png"
sleep 1
tail -n +"$((started_at + 1))" "$events" >"$work/round.jsonl"

"$python" - "$work/round.jsonl" <<'PY' || fail "the round did not reach the screen reader as it should (events: $work/round.jsonl)"
import json, re, sys
events = [json.loads(line) for line in open(sys.argv[1])]
card = r"(?:\d+|Jack|Queen|King|Ace) of (?:diamonds|hearts|clubs|spades)"
row = re.compile(rf"^({card}), ({card}), ({card}), ({card}), ({card})\.")
problems = []

focus = [(e["role"], e["name"]) for e in events if e["type"].endswith("focused") and e.get("detail") == 1]
if focus != [("push button", "Deal"), ("push button", "Bet >>")]:
    problems.append(f"focus moved {focus}, not straight to Deal and back to Bet >>")

said = [e for e in events if e["type"].endswith("accessible-description") and e.get("description")]
heard = [(e["name"], e["description"]) for e in said if e["focused"]]
unheard = [(e["name"], e["description"]) for e in said if not e["focused"] and e["role"] == "push button"]
if unheard:
    problems.append(f"news on a control without the focus: {unheard}")
if len(heard) != 4:
    problems.append(f"expected 4 news on the focused button (dealt, 2 marks, drawn), heard {heard}")
else:
    (n1, dealt), (n2, mark1), (n3, mark2), (n4, drawn) = heard
    d, f = row.match(dealt), row.match(drawn)
    if n1 != "Deal" or not d:
        problems.append(f"after the bet {n1!r} said {dealt!r}")
    elif (n2, mark1) != ("Deal", f"{d[1]}, to be exchanged") or (n3, mark2) != ("Deal", f"{d[2]}, to be exchanged"):
        problems.append(f"the marks said {mark1!r}, {mark2!r}")
    if n4 != "Bet >>" or not f or not re.search(r"\. (?:[A-Z][^.]*|This hand pays nothing)\. Won \d+, balance \d+\.$", drawn):
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

query tab Help
sleep 0.5
topic=$(query describe "push button" "How to play") || fail "the help topic button is not reachable"
[[ $topic == *"First you place a bet"* ]] || fail "the help topic \"How to play\" reads \"$topic\""
log "help topic text reachable"

log "passed"
