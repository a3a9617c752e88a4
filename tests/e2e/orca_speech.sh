#!/usr/bin/env bash
# Plays a round from the keyboard with the Orca screen reader running, and reads what Orca said
# from its debug log: the five dealt cards, each mark, and the final cards with the win and the
# balance; then a new game with its balance and its stake reached by Tab, a Help example hand,
# the hi-score list's first entry, a Stats counter and Payoff amounts with what they count, a
# change of the Payoff stake, the whole text of the name field, the news of Reset list, and a
# flat review of the Game tab that reads each thing once; then, in a coached game, the coach's
# verdict with the payout, the coach's lines by Tab, its pages by their keys and the Strategy
# text's last lines. The start-up window is read out as it appears, so it keeps its whole time
# here. Orca speaks through a speech-dispatcher of the test's own, which needs no sound card.
test_name=orca_speech
here=$(cd "$(dirname "$0")" && pwd)
accessibility_tools=(orca speech-dispatcher)
source "$here/session.sh"
source "$here/accessibility_bus.sh"

start_x
start_accessibility_bus
# Its output module plays into libao's null driver: there is no sound card to open.
cp -r /etc/speech-dispatcher "$work/speechd"
echo 'AudioOutputMethod "libao"' >>"$work/speechd/speechd.conf"
echo default_driver=null >"$work/.libao"
HOME=$work speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" --log-dir "$work" \
    >"$work/speech-dispatcher.out" 2>&1 &
bus_pids+=("$!")
speech_dispatcher_ready() { [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ]; }
wait_for 30 "speech-dispatcher" speech_dispatcher_ready
speech=$work/orca.log
mkdir -p "$work/orca"
# Orca runs this file at start: its debug log is then written line by line, to be read while
# Orca runs.
cat >"$work/orca/orca-customizations.py" <<'ORCA'
import orca.debug
orca.debug.debugFile.reconfigure(line_buffering=True)
ORCA
orca --replace --user-prefs "$work/orca" --debug-file "$speech" >"$work/orca.out" 2>&1 &
bus_pids+=("$!")
orca_ready() { grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$speech" 2>/dev/null; }
wait_for 60 "Orca to start" orca_ready
grep -q "SPEECH: Using speech server" "$speech" || fail "Orca found no speech server (its log: $speech)"
log "Orca is running"

launched_at=$(wc -l <"$speech")
start_game
wait_for_main_window
# Not tail | grep -q: grep leaving early would fail the pipeline on tail's broken pipe.
grep -q "SPEECH OUTPUT: 'Quintdraw is starting" < <(tail -n +"$((launched_at + 1))" "$speech") ||
    fail "Orca did not read out the start-up window (its log: $speech)"
grep -q "SPEECH OUTPUT: 'Five-card draw poker. Quintdraw, 2026. Free to copy and share." < <(tail -n +"$((launched_at + 1))" "$speech") ||
    fail "Orca did not read the start-up window's subtitle, year and note (its log: $speech)"
wait_for 30 "the game on the accessibility bus" game_on_bus
activate "$main_window"
sleep 2
started_at=$(wc -l <"$speech")

# The round is played at the stake 20, chosen by keys: Tab to the stakes, Right, back to Bet.
press "$main_window" Tab
sleep 1
press "$main_window" Right
sleep 1
press "$main_window" shift+Tab
sleep 1
press "$main_window" space
settle "$main_window" "$work/dealt.png"
press "$main_window" 1
sleep 1
press "$main_window" 2
sleep 1
press "$main_window" space
settle "$main_window" "$work/drawn.png"
sleep 2
press "$main_window" F2
sleep 1
if prompt_shown; then   # the round won a place on the hi-score list
    wait_for_prompt
    press "$prompt_window" Return
    wait_for 10 "the prompt to close" prompt_gone
fi
sleep 2
# The new game chose the stake 10 again: Tab from Bet reaches it, which says its amount once.
press "$main_window" Tab
sleep 1
# A click gives the example's button the focus, where its news is heard.
read -r x y < <(query where "page tab" Help) || fail "no tab caption Help"
xdotool mousemove "$x" "$y" click 1
sleep 1
read -r x y < <(query where "push button" "Four of a kind") || fail "no button \"Four of a kind\""
xdotool mousemove "$x" "$y" click 1
sleep 2
# Tab from the tab row enters the hi-score list, which names its current entry.
read -r x y < <(query where "page tab" Hi-score) || fail "no tab caption Hi-score"
xdotool mousemove "$x" "$y" click 1
sleep 1
press "$main_window" Tab
sleep 2
# click_caption CAPTION: a real click on a tab caption, then Tab into its page.
click_caption() {
    local x y
    read -r x y < <(query where "page tab" "$1") || fail "no tab caption \"$1\""
    xdotool mousemove "$x" "$y" click 1
    sleep 1
}
# The first Stats counter and Payoff amount, each with what it counts; a Payoff amount again
# after another stake is chosen, which is told.
click_caption Stats
press "$main_window" Tab
sleep 2
click_caption Payoff
press "$main_window" Tab
sleep 2
read -r x y < <(query where "radio button" 20) || fail "no stake choice 20 on the Payoff tab"
xdotool mousemove "$x" "$y" click 1
sleep 2
press "$main_window" shift+Tab   # the last amount, before the stake choices
sleep 2
# The name field with a name typed, entered again by Tab: all of its text is selected and said.
read -r x y < <(query where "page tab" Settings) || fail "no tab caption Settings"
xdotool mousemove "$x" "$y" click 1
sleep 1
read -r x y < <(query where entry "Default name" 2>/dev/null || query where text "Default name") ||
    fail "no text field \"Default name\""
xdotool mousemove "$x" "$y" click 1
press "$main_window" ctrl+a
type_text "$main_window" Eva
press "$main_window" shift+Tab
sleep 1
press "$main_window" Tab
sleep 2
# Reset list tells that it reset the list.
read -r x y < <(query where "page tab" Hi-score) || fail "no tab caption Hi-score"
xdotool mousemove "$x" "$y" click 1
sleep 1
read -r x y < <(query where "push button" "Reset list") || fail "no button \"Reset list\""
xdotool mousemove "$x" "$y" click 1
sleep 2
# Flat review of the Game tab in a new game, from its top line down: the current line, up to
# the top, then every line once.
read -r x y < <(query where "page tab" Game) || fail "no tab caption Game"
xdotool mousemove "$x" "$y" click 1
sleep 1
press "$main_window" KP_Up
for _ in 1 2 3 4 5 6 7 8 9 10; do press "$main_window" KP_Home; sleep 0.3; done
reviewed_at=$(wc -l <"$speech")
for _ in 1 2 3 4 5 6 7 8 9; do press "$main_window" KP_Page_Up; sleep 0.5; done
# Orca speaks behind the keys under load: the review is read once it has said nothing new for 2 s.
reviewed_lines() { tail -n +"$((reviewed_at + 1))" "$speech" | grep -c 'SPEECH OUTPUT' || true; }
heard=-1
for _ in $(seq 30); do
    [ "$heard" -gt 0 ] && [ "$(reviewed_lines)" = "$heard" ] && break
    heard=$(reviewed_lines)
    sleep 2
done
tail -n +"$((reviewed_at + 1))" "$speech" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \?\[\?{.*/\1/p" >"$work/reviewed.txt"
# A line of speech in the log: SPEECH OUTPUT: 'text'{voice} or, for a key, 'key ' {voice}.
tail -n +"$((started_at + 1))" "$speech" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \?{.*/\1/p" >"$work/said.txt"

"$python" - "$work/said.txt" <<'PY' || fail "Orca did not say the round (what it said: $work/said.txt)"
import re, sys
said = [line.rstrip("\n") for line in open(sys.argv[1])]
card = r"(?:\d+|Jack|Queen|King|Ace) of (?:diamonds|hearts|clubs|spades)"
five = rf"({card}), ({card}), ({card}), ({card}), ({card})\."
dealt = [m for m in map(re.compile(five).search, said) if m]
problems = []
if len(dealt) != 2:
    problems.append(f"expected the dealt and the drawn cards, heard {len(dealt)} rows of five cards")
else:
    first, second = dealt[0].groups(), dealt[1].groups()
    for card_name in first[:2]:
        if not any(line.endswith(f"{card_name}, to be exchanged") for line in said):
            problems.append(f"no mark heard for {card_name}")
    if second[2:] != first[2:]:
        problems.append(f"the drawn cards {second} do not keep cards 3 to 5 of {first}")
    if not any(re.search(r"Won \d+, balance \d+\.", line) for line in said):
        problems.append("no win and balance heard")
if not any(line.endswith("New game. Balance 100, stake 10.") for line in said):
    problems.append("the new game was not told with its balance")
if not any(re.fullmatch(r"1\s+\S+\s+-?\d+\.", line) for line in said):
    problems.append("the hi-score list did not name its first entry")
examples = [line for line in said if re.fullmatch(r"(\w+) of diamonds, \1 of hearts, \1 of clubs, \1 of spades, then 1 card face down\.", line)]
if len(examples) != 1:
    problems.append(f"the example of four of a kind was told {len(examples)} times")
counter = [line for line in said if re.search(r"One Pair, current game: \d+", line)]
if not counter:
    problems.append("the first Stats counter was not said with its hand and column")
for amount in ("Two pair pays 20 for a stake of 10", "Royal flush pays 20000 for a stake of 20"):
    if not any(line.startswith(amount) for line in said):
        problems.append(f"no Payoff amount said as \"{amount}\"")
if not any(line.endswith("Payoff for a stake of 20") for line in said):
    problems.append("the change of the Payoff stake was not told")
if not any(re.search(r"\bEva selected", line) for line in said):
    problems.append("the name field was not said with its whole text, Eva, selected")
if not any(line.endswith("Bet 20. Balance 80.") for line in said):
    problems.append("the round was not dealt at the stake 20 chosen by keys")
after_new_game = said[next((i for i, line in enumerate(said) if line.endswith("New game. Balance 100, stake 10.")), len(said)):]
stake = next((i for i, line in enumerate(after_new_game) if line.startswith("Bet ") and line[4:5].isdigit()), None)
if stake is None or after_new_game[stake] != "Bet 10." or not after_new_game[stake + 1].startswith("selected"):
    problems.append(f"after the new game, Tab from Bet did not reach the stake 10 chosen: {after_new_game[stake:stake + 2] if stake is not None else 'no stake heard'}")
elif after_new_game[stake - 1] == "10.":
    problems.append("the stake choice said its amount twice")
if not any(line == "The hi-score list was reset." for line in said):
    problems.append("Reset list did not tell that the list was reset")
print("\n".join(problems) or "Orca said: " + " | ".join(said))
sys.exit(1 if problems else 0)
PY
# Each line of the review once, and each thing on it once: the tab row with all six tabs, the
# title in one piece, each card place once.
"$python" - "$work/reviewed.txt" <<'PY' || fail "flat review of the Game tab is wrong (what Orca said: $work/reviewed.txt)"
import sys
lines = [line.rstrip("\n") for line in open(sys.argv[1])]
expected = ["Game Stats Hi-score Settings Payoff Help", "Quintdraw title", " ".join(["card back"] * 5)]
problems = [f"no review line {line!r}" for line in expected if line not in lines]
if sum("Quintdraw title" in line for line in lines) != 1:
    problems.append("the title is read on more than one line")
print("\n".join(problems) or "reviewed: " + " | ".join(lines))
sys.exit(1 if problems else 0)
PY

# The coach by ear: a coached game, a round played on the game's buttons, the coach's verdict
# heard with the payout while the focus stays there; then F6, and Tab through the coach's Last
# hand page reads its lines, cards in words; Alt+M tells the Mistakes page.
press "$main_window" ctrl+q
wait_for_game_end
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
game_args=(--coach)
start_game
wait_for_main_window
coach_shown() { [ -n "$(xdotool search --onlyvisible --name '^Coach$' 2>/dev/null)" ]; }
wait_for 20 "the window \"Coach\"" coach_shown
coach_window=$(xdotool search --onlyvisible --name '^Coach$' | head -n 1)
wait_for 30 "the game on the accessibility bus" game_on_bus
activate "$main_window"
sleep 2
coached_at=$(wc -l <"$speech")
press "$main_window" space
settle "$main_window" "$work/coached_dealt.png"
press "$main_window" 1
sleep 1
press "$main_window" space
settle "$main_window" "$work/coached_drawn.png"
# wait_for_orca_quiet LINE: until Orca has said nothing new for 2 s since that line of its log;
# under load it speaks seconds behind the keys.
wait_for_orca_quiet() {
    local heard=-1 now
    for _ in $(seq 30); do
        now=$(tail -n +"$(($1 + 1))" "$speech" | grep -c 'SPEECH OUTPUT' || true)
        [ "$now" -gt 0 ] && [ "$now" = "$heard" ] && return 0
        heard=$now
        sleep 2
    done
}
wait_for_orca_quiet "$coached_at"
is_active "$main_window" || fail "the coach's verdict took the focus from the game"
drawn_at=$(wc -l <"$speech")
press "$main_window" F6
wait_for 10 "the coach to get the focus" is_active "$coach_window"
sleep 1
for _ in $(seq 16); do
    press "$coach_window" Tab
    sleep 1
done
press "$coach_window" alt+m
sleep 2
# The Strategy page takes the focus from the Mistakes list; its last lines are read from the end.
press "$coach_window" alt+s
sleep 2
press "$coach_window" ctrl+End
sleep 1
press "$coach_window" Up
wait_for_orca_quiet "$drawn_at"
# said_of FIRST LAST: what Orca said in lines FIRST+1 to LAST of its log.
said_of() { sed -n "$(($1 + 1)),$2p" "$speech" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \?{.*/\1/p"; }
said_of "$coached_at" "$drawn_at" >"$work/said_at_draw.txt"
said_of "$drawn_at" "$(wc -l <"$speech")" >"$work/said_on_coach.txt"

"$python" - "$work/said_at_draw.txt" "$work/said_on_coach.txt" <<'PY' || fail "Orca did not say the coach (what it said: $work/said_at_draw.txt, $work/said_on_coach.txt)"
import re, sys
at_draw = [line.rstrip("\n") for line in open(sys.argv[1])]
on_coach = [line.rstrip("\n") for line in open(sys.argv[2])]
card = r"(?:\d+|Jack|Queen|King|Ace) of (?:diamonds|hearts|clubs|spades)"
verdict = rf"(?:Best play\.|Gave up \d+\.\d\d: best (?:keep {card}(?:, {card})*|draw five)(?:, line \d+)?\.)"
problems = []
told = [line for line in at_draw if re.search(rf"balance \d+\. {verdict}$", line)]
if len(told) != 1:
    problems.append(f"the verdict was told with the payout {len(told)} times")
for line_start in ("Your hold: ", "Best hold: "):
    heard = [line for line in on_coach if line.startswith(line_start)]
    if not heard:
        problems.append(f"Tab did not read the line {line_start!r}")
    elif not re.search(card, heard[0]) and "nothing" not in heard[0]:
        problems.append(f"the line {heard[0]!r} names no card in words")
# Until the Strategy page: its text is read through the text itself, symbols and all.
on_pages = on_coach[:next((i for i, line in enumerate(on_coach) if line.startswith("Strategy chart")), len(on_coach))]
if any(re.search("[♦♥♣♠]|suit", line) for line in on_pages):
    problems.append("a card was read as its symbol")
if any("layered pane" in line for line in on_coach):
    problems.append("\"layered pane\" was said on the coach")
if not any("Mistakes" in line for line in on_coach):
    problems.append("Alt+M did not tell the Mistakes page")
# A hand not played best is the list's one entry, read as Tab or the page's key enters the list.
if told and "Best play." not in told[0] and not any(": you kept " in line for line in on_coach):
    problems.append("the Mistakes list's one entry was not read")
# After Ctrl+End (its Control said as a key, ending in a space), the last line and, on Up, the
# one before it; not "blank".
after_end = on_coach[on_coach.index("left control ") + 1:] if "left control " in on_coach else []
last_lines = [line for line in after_end if line.strip() and line != "blank" and not line.endswith(" ")]
if len(last_lines) < 2:
    problems.append(f"Ctrl+End and Up did not read the Strategy text's last two lines: {after_end}")
print("\n".join(problems) or "Orca said: " + " | ".join(at_draw + on_coach))
sys.exit(1 if problems else 0)
PY
log "passed"
