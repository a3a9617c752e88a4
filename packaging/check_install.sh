#!/bin/sh
# Installs a build into a scratch folder and checks it as a desktop sees it: every file in its
# usual place, the menu entry and the AppStream data valid, and the game started as the menu starts
# it keeping its records in the player's data folder.
#     check_install.sh CMAKE BUILD_FOLDER APP_ID VERSION ICON_SIDE...
set -eu
cmake=$1 build=$2 app_id=$3 version=$4
shift 4

for tool in desktop-file-validate appstreamcli man; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing; scripts/install-deps.sh --test installs it"
        exit 77
    fi
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR=$scratch/root "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" \
    || { cat "$scratch/install.log"; fail "cmake --install"; }
usr=$scratch/root/usr

for program in quintdraw; do
    [ -f "$usr/bin/$program" ] && [ -x "$usr/bin/$program" ] || fail "bin/$program is not installed"
done
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$(echo "$app_id" | tr '[:upper:]' '[:lower:]').metainfo.xml
man_page=$usr/share/man/man6/quintdraw.6.gz
doc=$usr/share/doc/quintdraw
for file in "$desktop" "$metainfo" "$usr/share/icons/hicolor/scalable/apps/$app_id.svg" "$man_page" \
            "$doc/copyright" "$doc/changelog.gz" "$doc/README.md"; do
    [ -f "$file" ] || fail "${file#"$usr"/} is not installed"
done
for side in "$@"; do
    png=$usr/share/icons/hicolor/${side}x$side/apps/$app_id.png
    [ -f "$png" ] || fail "the ${side} px icon is not installed"
    # A PNG starts with its width and height as big-endian words at bytes 16 and 20.
    size=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$size" = "${side}x$side" ] || fail "the ${side} px icon is $size"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate"
# Pedantic: not even a hint.
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate --pedantic"
# The manual page renders without a warning from groff, and names this version.
man_warnings=$(MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >"$scratch/man.txt") || fail "man -l $man_page"
[ -z "$man_warnings" ] || fail "the manual page: $man_warnings"
grep -q "Quintdraw $version" "$scratch/man.txt" || fail "the manual page does not name version $version"
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^quintdraw ($version)" \
    || fail "the changelog's first entry is not version $version"
# The whole tree too: the metainfo's launchable must name the menu entry installed beside it.
appstreamcli validate-tree --no-net --strict "$usr" || fail "appstreamcli validate-tree"
grep -q "<release version=\"$version\"" "$metainfo" \
    || fail "the metainfo has no release entry for version $version"

# The game as the menu entry starts it, from any folder: it makes and uses the player's data
# folder. It runs until stopped, so it is stopped after a moment.
home=$scratch/home
mkdir "$home"
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)
[ "$exec_line" = "quintdraw --data-folder" ] || fail "the menu entry starts: $exec_line"
expect_data_in() { # FOLDER CASE ENVIRONMENT...
    local folder=$1 case=$2 status=0
    shift 2
    (cd "$scratch" && env "$@" HOME="$home" QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/quintdraw" --data-folder) \
        >/dev/null 2>&1 || status=$?
    [ "$status" = 124 ] || fail "the game, $case, ended with status $status"
    [ -d "$folder" ] || fail "the game, $case, did not make $folder"
}
expect_data_in "$home/.local/share/quintdraw" "no XDG_DATA_HOME" -u XDG_DATA_HOME
[ "$(stat -c %a "$home/.local/share" "$home/.local/share/quintdraw" | sort -u)" = 700 ] \
    || fail "the data folder is open to other users"
rm -rf "$home/.local"
expect_data_in "$home/.local/share/quintdraw" "relative XDG_DATA_HOME" XDG_DATA_HOME=data
expect_data_in "$scratch/data/quintdraw" "XDG_DATA_HOME set" XDG_DATA_HOME="$scratch/data"
echo "installed files, validators and the game in its data folder: all good"
