#!/usr/bin/env bash
# The power is cut (the file system's shutdown without a journal flush) right after a save has
# ended and at random moments while one runs, on a loop-mounted ext4 mounted with
# noauto_da_alloc (so that nothing hides a missing sync) and on XFS; each time, after mounting
# again, every file is whole: the previous version or the new one, never empty or cut, and a
# save that had ended left the new one. hi.dat starts damaged, so its .bak is made too. Given a
# coach writer, the coach's log (coach.dat, damaged at first too) is saved after them each time.
# Then the same in a folder where the player (nobody) may write the files but make no new file,
# so that they are written in place: a cut may tear a file there, but the bytes it held are in the
# player's state folder, whole, and the next save is not refused.
#     power_cut.sh RECORDS_WRITER [COACH_WRITER]
set -euo pipefail
writer=${1:?"usage: $0 path/to/records_writer [path/to/coach_writer]"}
coach_writer=${2:-}

skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(id -u)" = 0 ] || skip "mounting a file system needs root"

work=$(mktemp -d "${TMPDIR:-/tmp}/quintdraw-power.XXXXXX")
mnt=$work/mnt
mkdir "$mnt"
cleanup() {
    mountpoint -q "$mnt" && umount "$mnt"
    rm -rf "$work"
}
trap cleanup EXIT

# Both versions as the writer saves them, and a damaged hi.dat: version 0 cut in a line.
for version in 0 1; do
    mkdir "$work/v$version"
    "$writer" "$work/v$version" save "$version"
    [ -z "$coach_writer" ] || "$coach_writer" "$work/v$version" save "$version"
done
head -c 1000 "$work/v0/hi.dat" >"$work/damaged"
[ -z "$coach_writer" ] || head -c 100 "$work/v0/coach.dat" >"$work/damaged_coach"

# save FOLDER VERSION: the records, then the coach's log when there is a coach writer.
save() {
    "$writer" "$1" save "$2" 2>>"$work/writer.log"
    [ -z "$coach_writer" ] || "$coach_writer" "$1" save "$2" 2>>"$work/writer.log"
}

is_one_of() { # FILE CANDIDATE...
    local file=$1 candidate
    shift
    for candidate in "$@"; do
        cmp -s "$file" "$candidate" && return 0
    done
    return 1
}

# cycle FS NUMBER: the old records made durable, then a save of the new ones and the cut.
cycle() {
    local fs=$1 number=$2 old=$((number % 2)) new=$((1 - number % 2)) folder=$mnt/records
    rm -rf "$folder"
    mkdir "$folder"
    cp "$work/v$old/cfg.dat" "$folder/"
    cp "$work/damaged" "$folder/hi.dat"
    [ -z "$coach_writer" ] || cp "$work/damaged_coach" "$folder/coach.dat"
    sync
    local ended=0
    if [ $((number % 3)) = 0 ]; then
        save "$folder" "$new"
        ended=1
    else
        save "$folder" "$new" &
        local pid=$!
        sleep "0.00$((RANDOM % 10))"
        "$writer" "$folder" cut
        wait "$pid" || true
    fi
    [ "$ended" = 0 ] || "$writer" "$folder" cut
    umount "$mnt"
    mount -o "$mount_options" "$work/$fs.img" "$mnt"
    local what="$fs, cut $number"
    if [ "$ended" = 1 ]; then
        cmp -s "$folder/hi.dat" "$work/v$new/hi.dat" || fail "$what: hi.dat is not the saved version"
        cmp -s "$folder/cfg.dat" "$work/v$new/cfg.dat" || fail "$what: cfg.dat is not the saved version"
    fi
    is_one_of "$folder/hi.dat" "$work/damaged" "$work/v$new/hi.dat" || fail "$what: hi.dat is neither version"
    is_one_of "$folder/cfg.dat" "$work/v$old/cfg.dat" "$work/v$new/cfg.dat" || fail "$what: cfg.dat is neither version"
    [ ! -e "$folder/hi.dat.bak" ] || cmp -s "$folder/hi.dat.bak" "$work/damaged" || fail "$what: hi.dat.bak is not the damaged file"
    if cmp -s "$folder/hi.dat" "$work/v$new/hi.dat"; then
        cmp -s "$folder/hi.dat.bak" "$work/damaged" || fail "$what: hi.dat was replaced but its .bak is lost"
    fi
    [ -n "$coach_writer" ] || return 0
    [ "$ended" = 0 ] || cmp -s "$folder/coach.dat" "$work/v$new/coach.dat" || fail "$what: coach.dat is not the saved version"
    is_one_of "$folder/coach.dat" "$work/damaged_coach" "$work/v$new/coach.dat" || fail "$what: coach.dat is neither version"
    [ ! -e "$folder/coach.dat.bak" ] || cmp -s "$folder/coach.dat.bak" "$work/damaged_coach" \
        || fail "$what: coach.dat.bak is not the damaged log"
    if cmp -s "$folder/coach.dat" "$work/v$new/coach.dat"; then
        cmp -s "$folder/coach.dat.bak" "$work/damaged_coach" || fail "$what: coach.dat was replaced but its .bak is lost"
    fi
}

# cycle_in_place FS NUMBER: as cycle, with the folder root's and the files nobody's.
cycle_in_place() {
    local fs=$1 number=$2 old=$((number % 2)) new=$((1 - number % 2)) folder=$mnt/records state=$mnt/state
    rm -rf "$folder" "$state"
    mkdir "$folder" "$state"
    cp "$work/v$old/cfg.dat" "$folder/"
    cp "$work/damaged" "$folder/hi.dat"
    chown nobody: "$folder/hi.dat" "$folder/cfg.dat" "$state"
    sync
    as_player "$folder" save "$new" 2>>"$work/writer.log" &
    local pid=$!
    sleep "0.00$((RANDOM % 10))"
    "$writer" "$folder" cut
    wait "$pid" || true
    umount "$mnt"
    mount -o "$mount_options" "$work/$fs.img" "$mnt"
    local what="$fs, in place, cut $number" kept
    kept=$(echo "$state"/quintdraw/kept/*)
    is_one_of "$folder/hi.dat" "$work/damaged" "$work/v$new/hi.dat" \
        || cmp -s "$kept/hi.dat" "$work/damaged" || fail "$what: hi.dat is torn and its previous content is not kept"
    is_one_of "$folder/cfg.dat" "$work/v$old/cfg.dat" "$work/v$new/cfg.dat" \
        || cmp -s "$kept/cfg.dat" "$work/v$old/cfg.dat" || fail "$what: cfg.dat is torn and its previous content is not kept"
    [ ! -e "$kept/hi.dat.bak" ] || cmp -s "$kept/hi.dat.bak" "$work/damaged" || fail "$what: hi.dat.bak is not the damaged file"
    [ "$(ls -A "$folder")" = "$(printf 'cfg.dat\nhi.dat')" ] || fail "$what: the folder holds more: $(ls -A "$folder")"
    as_player "$folder" save "$new" 2>>"$work/writer.log" || fail "$what: the next save is refused: $(tail -n 2 "$work/writer.log")"
    cmp -s "$folder/hi.dat" "$work/v$new/hi.dat" && cmp -s "$folder/cfg.dat" "$work/v$new/cfg.dat" \
        || fail "$what: the next save did not write the new version"
}

# as_player FOLDER ARGUMENT...: the writer as nobody, its state folder on the file system cut.
player_writer=$work/writer
cp "$writer" "$player_writer"
chmod 755 "$work" "$player_writer"
as_player() {
    XDG_STATE_HOME=$mnt/state setpriv --reuid=nobody --regid=nogroup --clear-groups "$player_writer" "$@"
}

tried=0
for fs in ext4 xfs; do
    case $fs in
        ext4) make=(mkfs.ext4 -q) size=64M mount_options=loop,noauto_da_alloc ;;
        xfs) make=(mkfs.xfs -q) size=320M mount_options=loop ;;
    esac
    if ! command -v "${make[0]}" >/dev/null; then
        echo "$fs: ${make[0]} is missing (scripts/install-deps.sh --test installs it); not tried"
        continue
    fi
    truncate -s "$size" "$work/$fs.img"
    "${make[@]}" "$work/$fs.img"
    mount -o "$mount_options" "$work/$fs.img" "$mnt" 2>"$work/mount.log" \
        || skip "a loop device cannot be mounted here: $(cat "$work/mount.log")"
    "$writer" "$mnt" cut 2>"$work/cut.log" || skip "$fs cannot be shut down here: $(cat "$work/cut.log")"
    umount "$mnt"
    mount -o "$mount_options" "$work/$fs.img" "$mnt"
    for number in $(seq 1 12); do
        cycle "$fs" "$number"
    done
    chmod 755 "$mnt"
    for number in $(seq 1 12); do
        cycle_in_place "$fs" "$number"
    done
    umount "$mnt"
    echo "$fs: 12 cuts, every file whole; 12 cuts in place, every torn file's content kept"
    tried=$((tried + 1))
done
[ "$tried" -gt 0 ] || skip "neither mkfs.ext4 nor mkfs.xfs is installed"
