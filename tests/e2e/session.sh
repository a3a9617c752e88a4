# Sourced by each end-to-end test and by scripts/screenshots.sh: a private X server with a window
# manager, a fresh working folder, the real game started in it, the player's input as real key
# presses and clicks (XTEST), and a failure report that shows the files, the windows and the
# screen.
#
# The sourcing script sets test_name and passes the path of the quintdraw executable as $1; it
# may set screen_geometry (WIDTHxHEIGHTxDEPTH), scale_factor (QT_SCALE_FACTOR), the array
# game_args (the game's command line), settle_seconds (see settle) and startup_ms first. A test
# that does not look at the start-up sets startup_ms to shorten the start-up window's 5 s to
# that many milliseconds (the game's test-only QUINTDRAW_TEST_STARTUP_MS).

set -euo pipefail
export LC_ALL=C

game_exe=${1:?"usage: $0 path/to/quintdraw"}
[ -x "$game_exe" ] || { echo "FAIL: $game_exe is not an executable" >&2; exit 1; }

# Without these the test cannot run at all. CI must have them; elsewhere the test is skipped.
missing=()
for tool in Xvfb openbox xdotool xprop import compare timeout; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "${CI:-}" = true ]; then
        echo "FAIL: missing ${missing[*]}: run scripts/install-deps.sh --test" >&2
        exit 1
    fi
    echo "SKIP: missing ${missing[*]}: run scripts/install-deps.sh --test" >&2
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quintdraw-e2e.XXXXXX")
run_dir=$work/run   # the game's working folder: hi.dat and cfg.dat live here
mkdir -p "$run_dir" "$work/runtime" "$work/config" "$work/cache"
chmod 700 "$work/runtime"
# Neither the window manager nor the game reads the user's own configuration.
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
unset WAYLAND_DISPLAY DISPLAY

xvfb_pid='' wm_pid='' game_pid=''
game_expected=0   # 1 while the game must be running; a wait then fails fast when it is not
started_us=${EPOCHREALTIME/./}

elapsed_ms() { echo $(( (${EPOCHREALTIME/./} - started_us) / 1000 )); }

log() { printf '[%s %7d ms] %s\n' "$test_name" "$(elapsed_ms)" "$*"; }

cleanup() {
    local status=$?
    local pid
    for pid in "$game_pid" "$wm_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    if [ "$status" -eq 0 ]; then
        rm -rf "$work"
    else
        echo "The test's files are kept in $work" >&2
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

report() {
    echo "--- game process: $(game_alive && echo running || echo ended)"
    echo "--- game output ($work/game.log):"
    tail -n 40 "$work/game.log" 2>/dev/null || true
    local file
    for file in hi.dat cfg.dat; do
        if [ -f "$run_dir/$file" ]; then
            echo "--- $file ($(wc -l <"$run_dir/$file") lines; ^M is CR), first 14 lines:"
            head -n 14 "$run_dir/$file" | cat -A
        else
            echo "--- $file is missing"
        fi
    done
    if [ -n "${DISPLAY:-}" ]; then
        echo "--- visible named windows (id, type, name); active: $(xdotool getactivewindow 2>&1 || true)"
        local id
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            printf '%s %s "%s"\n' "$id" "$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | sed 's/.*= //')" \
                "$(xdotool getwindowname "$id" 2>/dev/null)"
        done
        import -silent -window root "$work/screen.png" 2>/dev/null && echo "--- the screen: $work/screen.png"
    fi
}

fail() {
    echo "FAIL: $*" >&2
    report >&2
    exit 1
}

game_alive() {
    # A game that has ended but is not yet reaped is a zombie, which kill -0 still finds.
    [ -n "$game_pid" ] && [ -r "/proc/$game_pid/stat" ] && [ "$(cut -d' ' -f3 "/proc/$game_pid/stat")" != Z ]
}

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every 0.1 s until it succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(( ${EPOCHREALTIME/./} + seconds * 1000000 ))
    until "$@"; do
        if [ "$game_expected" = 1 ] && ! game_alive; then
            fail "the game ended while waiting for $what"
        fi
        [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || fail "waited ${seconds} s in vain for $what"
        sleep 0.1
    done
}

window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_x() {
    # Each server takes its display number by its lock file (/tmp/.X<n>-lock), which Xvfb makes
    # atomically and refuses when a live server holds it; -displayfd makes no lock, and two
    # servers started together could end up on one number. A random first number keeps parallel
    # tests from queueing on the same ones.
    local display first=$(( 100 + RANDOM % 400 )) tries waits
    for (( tries = 0; tries < 50; tries++ )); do
        display=$(( first + tries ))
        # -noreset: the probe below is the first client, and its leaving must not reset the server
        # while the window manager connects.
        Xvfb ":$display" -screen 0 "${screen_geometry:-1024x768x24}" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for (( waits = 0; waits < 600; waits++ )); do
            # Ours only when the lock names our server: another may answer on that number.
            [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$display-lock")" = "$xvfb_pid" ] &&
                xprop -display ":$display" -root >/dev/null 2>&1 && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -0 "$xvfb_pid" 2>/dev/null && break
        wait "$xvfb_pid" 2>/dev/null || true   # it found the number taken
        xvfb_pid=''
    done
    [ -n "$xvfb_pid" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$display"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 30 "openbox to manage the screen" window_manager_ready
    log "X server $DISPLAY with openbox is up"
}

start_game() {
    # An instrumented build would report what the system's libraries (D-Bus, X, fonts) keep until
    # exit as leaks; memory errors still end the game with a report.
    (cd "$run_dir" && exec env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="${scale_factor:-1}" \
        ${startup_ms:+QUINTDRAW_TEST_STARTUP_MS=$startup_ms} \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$game_exe" ${game_args[@]+"${game_args[@]}"}) >"$work/game.log" 2>&1 &
    game_pid=$!
    game_expected=1
    game_started_ms=$(elapsed_ms)
    log "game started in $run_dir"
}

# windows_of_type TYPE NAME_REGEX: the visible windows of that _NET_WM_WINDOW_TYPE (NORMAL,
# SPLASH, DIALOG) whose name matches.
windows_of_type() {
    local id
    for id in $(xdotool search --onlyvisible --name "$2" 2>/dev/null); do
        if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | head -n 1 | sed 's/,.*//' | grep -q "_NET_WM_WINDOW_TYPE_$1\$"; then
            echo "$id"
        fi
    done
}

startup_window_shown() { [ -n "$(windows_of_type SPLASH '^Quintdraw$')" ]; }
startup_window_gone() { ! startup_window_shown; }
main_window_shown() { [ -n "$(windows_of_type NORMAL '^Quintdraw$')" ]; }

# Waits out the start-up window; sets main_window to the main window's id. A shortened start-up
# window may come and go between two looks, so then only the main window is waited for.
wait_for_main_window() {
    [ -n "${startup_ms:-}" ] || wait_for 30 "the start-up window" startup_window_shown
    wait_for 60 "the main window \"Quintdraw\"" main_window_shown
    local shown_after=$(( $(elapsed_ms) - game_started_ms ))
    main_window=$(windows_of_type NORMAL '^Quintdraw$' | head -n 1)
    [ "$shown_after" -ge "${startup_ms:-5000}" ] ||
        fail "the main window came ${shown_after} ms after the start, before the ${startup_ms:-5000} ms start-up window"
    wait_for 10 "the start-up window to go" startup_window_gone
    log "main window $main_window shown ${shown_after} ms after the start"
}

prompt_shown() { [ -n "$(xdotool search --onlyvisible --name '^You got a hi-score$' 2>/dev/null)" ]; }
prompt_gone() { ! prompt_shown; }

# Waits for the hi-score name prompt; sets prompt_window to its id.
wait_for_prompt() {
    wait_for 30 "the input box \"You got a hi-score\"" prompt_shown
    prompt_window=$(xdotool search --onlyvisible --name '^You got a hi-score$' | head -n 1)
    log "hi-score prompt $prompt_window shown"
}

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

activate() {
    is_active "$1" && return 0
    timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    wait_for 10 "window $1 to become active" is_active "$1"
}

# press WINDOW KEY...: each key pressed and released while WINDOW is active, as a player would.
press() {
    local window=$1 key
    shift
    for key in "$@"; do
        activate "$window"
        xdotool key "$key"
        sleep 0.25
    done
}

# type_text WINDOW TEXT
type_text() {
    activate "$1"
    xdotool type --delay 60 "$2"
    sleep 0.25
}

# grab WINDOW FILE [AREA]: a picture of the window; AREA (WxH+X+Y) limits it.
grab() { import -silent -window "$1" ${3:+-crop "$3" +repage} "png:$2" 2>/dev/null; }

# differing_pixels A B: how many pixels of two pictures differ by more than a trace. A card face
# drawn again may differ by one unit of colour at a few edges of its text, which does not count.
differing_pixels() {
    local out status=0
    out=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1) || status=$?
    if [ "$status" -gt 1 ] || ! [[ $out =~ ^[0-9.e+]+$ ]]; then
        echo "cannot compare $1 with $2: $out" >&2
        return 1
    fi
    awk -v count="$out" 'BEGIN { printf "%d\n", count }'
}

# Fewer differing pixels than a glyph's edge: the same picture. More than a fifth of a card: a
# different one.
same_picture() { [ "$(differing_pixels "$1" "$2")" -le 50 ]; }
other_picture() { [ "$(differing_pixels "$1" "$2")" -ge 1000 ]; }

# The band of the Game tab that holds the five cards, at scale 1. Comparing only this band keeps
# a repaint elsewhere (a button's shading) from passing for a card turned over.
card_row=2000x80+0+85

# settle WINDOW FILE: waits until the window shows a picture it showed one or two looks before,
# settle_seconds apart (cards dealt; a blinking hand name shows one of its two pictures at each
# look), leaving that picture in FILE. A deal only moves on, so it never looks settled. The
# default 0.3 s is longer than the pauses of a fast game; a slow game's pause needs more.
settle() {
    settle_window=$1 settle_file=$2
    grab "$settle_window" "$settle_file.previous" || true
    rm -f "$settle_file.earlier"
    wait_for 20 "window $settle_window to settle" looks_settled
    rm -f "$settle_file.previous" "$settle_file.earlier"
}

looks_settled() {
    sleep "${settle_seconds:-0.3}"
    grab "$settle_window" "$settle_file" || return 1
    same_picture "$settle_file" "$settle_file.previous" && return 0
    [ -e "$settle_file.earlier" ] && same_picture "$settle_file" "$settle_file.earlier" && return 0
    mv "$settle_file.previous" "$settle_file.earlier" 2>/dev/null || true
    mv "$settle_file" "$settle_file.previous"
    return 1
}

# looks_like WINDOW FILE [AREA]: the window (or that area of it) shows FILE's picture.
looks_like() { grab "$1" "$work/now.png" "${3:-}" && same_picture "$work/now.png" "$2"; }
looks_unlike() { grab "$1" "$work/now.png" "${3:-}" && other_picture "$work/now.png" "$2"; }

game_gone() { ! game_alive; }

# Waits until the game has ended by itself; sets game_status to its exit status.
wait_for_game_end() {
    game_expected=0
    wait_for 60 "the game to end" game_gone
    game_status=0
    wait "$game_pid" || game_status=$?
    game_pid=''
    log "game ended with status $game_status"
}
