#!/usr/bin/env bash
# Takes the README's pictures from the real program in a private X server: the start-up window,
# the six tabs, the About window, the coach (its last hand, strategy, practice and Analyse pages)
# and four-colour cards, at scale 1 (NAME.png) and 2 (NAME@2x.png), into docs/screenshots/. Builds
# nothing; needs what scripts/install-deps.sh --test installs.
#   bash scripts/screenshots.sh [path/to/quintdraw]    (default: build/release/app/quintdraw)
root=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath "${1:-$root/build/release/app/quintdraw}")
out=$root/docs/screenshots

test_name=screenshots
screen_geometry=2560x1600x24   # room for the main window at scale 2
set -- "$game"
source "$root/tests/e2e/session.sh"
mkdir -p "$out"

# A played-in look: a few hi-scores, some counted hands, the built-in settings.
hiscores=(2350 Mia 1870 Tom 1200 Ida 940 Leo 610 Ann 380 Ben 210 Eva 150 Max)
for rank in $(seq 9 100); do hiscores+=(100 ABC); done
for ((i = 0; i < ${#hiscores[@]}; i += 2)); do
    printf '%s\r\n"%s"\r\n' "${hiscores[i]}" "${hiscores[i + 1]}"
done >"$run_dir/hi.dat"
printf '%s\r\n' 214 98 41 12 9 5 1 0 0 0 100 '"Eva"' >"$run_dir/cfg.dat"

# capture WINDOW NAME: the window's client area, once it has stopped changing.
capture() {
    settle "$1" "$work/settled.png"
    import -silent -window "$1" -strip "png:$out/$2$suffix.png"
    log "$out/$2$suffix.png"
}

# click WINDOW X Y: a left click at unscaled client coordinates, then the pointer out of the way.
click() {
    activate "$1"
    xdotool mousemove --window "$1" $(($2 * scale_factor)) $(($3 * scale_factor)) click 1
    sleep 0.3
    xdotool mousemove 2500 1550
}

about_shown() { [ -n "$(windows_of_type DIALOG '^About$')" ]; }
about_gone() { ! about_shown; }

start_x
for scale_factor in 1 2; do
    suffix=$([ "$scale_factor" = 1 ] || echo "@${scale_factor}x")
    start_game
    wait_for 30 "the start-up window" startup_window_shown
    capture "$(windows_of_type SPLASH '^Quintdraw$' | head -n 1)" startup
    wait_for_main_window

    # Some rounds for the statistics, then a bet so that the Game tab shows cards.
    for round in 1 2 3 4 5 6; do
        press "$main_window" space space
    done
    sleep 2
    press "$main_window" space
    capture "$main_window" game

    # The six tabs share the tab row's width equally; the row lies below the menu bar.
    width=$(xdotool getwindowgeometry --shell "$main_window" | sed -n 's/^WIDTH=//p')
    tab=1
    for name in stats hiscore settings payoff help; do
        click "$main_window" $(((2 * tab + 1) * width / scale_factor / 12)) 37
        # The Help tab deals an example hand of the category pressed: "Full house".
        [ "$name" != help ] || click "$main_window" 216 199
        capture "$main_window" "$name"
        tab=$((tab + 1))
    done

    # Menu "About" (no access key of its own), then its item "&About".
    click "$main_window" 62 10
    press "$main_window" a
    wait_for 20 "the About window" about_shown
    about=$(windows_of_type DIALOG '^About$' | head -n 1)
    capture "$about" about
    press "$about" Return
    wait_for 20 "the About window to close" about_gone

    press "$main_window" alt+F4
    wait_for_game_end

    # The coach after a hand drawn to five new cards (seldom the best hold), then its strategy
    # page, reached from the game by F6 and the page's access key.
    game_args=(--coach)
    start_game
    wait_for_main_window
    wait_for 20 "the coach" eval '[ -n "$(xdotool search --onlyvisible --name "^Coach\$")" ]'
    coach=$(xdotool search --onlyvisible --name '^Coach$' | head -n 1)
    press "$main_window" space
    sleep 2
    press "$main_window" 1 2 3 4 5 space
    sleep 3
    capture "$coach" coach
    press "$main_window" F6
    press "$coach" alt+s
    capture "$coach" coach_strategy
    # Practice: a hand dealt onto a line of the chart, answered at once (nothing kept).
    press "$coach" alt+p
    sleep 2
    press "$coach" Return
    capture "$coach" coach_practice
    # The Analyse page with a hand typed into it, the best hold on top.
    press "$coach" alt+a alt+f
    type_text "$coach" "JH JS 2C 7D 9S"
    capture "$coach" coach_analyse
    press "$coach" F6
    press "$main_window" alt+F4
    wait_for_game_end
    game_args=()

    # Four-colour cards: the Help tab's example of four of a kind shows one card of each suit.
    game_args=(--four-colour)
    start_game
    wait_for_main_window
    click "$main_window" $((11 * width / scale_factor / 12)) 37
    click "$main_window" 336 135
    capture "$main_window" four_colour
    press "$main_window" alt+F4
    wait_for_game_end
    game_args=()
done
