# Sourced by the end-to-end tests: hi.dat and cfg.dat crafted in the game's own format (one value
# a line, CR LF, names quoted), and what the game must have written back.

# What a stake of 10 pays for One Pair .. Royal flush, the order of cfg.dat's first nine lines.
pays=(10 20 30 50 80 350 1000 5000 10000)

crafted_totals=(41 0 7 3 12 1 0 2 5)
crafted_settings=(0 250 '"Zyxwvuts"')   # Fast, start sum, default name (offered as "Zyxwv")

# values_to FILE VALUE...: one value a line, each ending in CR LF.
values_to() {
    local file=$1
    shift
    printf '%s\r\n' "$@" >"$file"
}

# craft_records FOLDER: writes both files there and keeps copies as FOLDER/../*.crafted.
# Every score lies far below what a few rounds can reach, so each result enters at rank 1; pairs
# of equal scores check that loading and saving keep the order of ties; two names check quoting.
craft_records() {
    local folder=$1 rank name values=()
    for rank in $(seq 1 100); do
        case $rank in
            7) name='a,b c' ;;
            50) name='007' ;;
            *) name="N$rank" ;;
        esac
        values+=("$(( -100000 - 10 * (rank / 2) ))" "\"$name\"")
    done
    values_to "$folder/hi.dat" "${values[@]}"
    values_to "$folder/cfg.dat" "${crafted_totals[@]}" "${crafted_settings[@]}"
    cp "$folder/hi.dat" "$folder/../hi.crafted"
    cp "$folder/cfg.dat" "$folder/../cfg.crafted"
}

# read_values FILE: the file's lines without their CR, into the array file_values.
read_values() {
    [ -f "$1" ] || fail "$1 was not written"
    mapfile -t file_values < <(sed 's/\r$//' "$1")
}

is_whole_number() { [[ $1 =~ ^-?[0-9]+$ ]]; }

# same_bytes WRITTEN EXPECTED WHAT: byte-for-byte comparison with a readable difference.
same_bytes() {
    cmp -s "$1" "$2" && return 0
    echo "--- $3: expected (<) and written (>), ^M is CR:" >&2
    diff <(cat -A "$2") <(cat -A "$1") | head -n 20 >&2 || true
    fail "$3 differs from what the rounds must have produced"
}

# play_crafted_game: the crafted files in the run folder, the X server, and the game started and
# waited for until its main window shows.
play_crafted_game() {
    craft_records "$run_dir"
    start_x
    start_game
    wait_for_main_window
}
