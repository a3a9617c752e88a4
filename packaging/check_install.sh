#!/bin/sh
# Installs a build into a scratch folder and checks it as a desktop sees it: every file in its
# usual place, the menu entry and the AppStream data valid, and the launcher running the game in
# the player's data folder.
#     check_install.sh CMAKE BUILD_FOLDER APP_ID VERSION ICON_SIDE...
set -eu
cmake=$1 build=$2 app_id=$3 version=$4
shift 4

for tool in desktop-file-validate appstreamcli; do
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

for program in quintdraw quintdraw-launcher; do
    [ -f "$usr/bin/$program" ] && [ -x "$usr/bin/$program" ] || fail "bin/$program is not installed"
done
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
for file in "$desktop" "$metainfo" "$usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
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
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
# The whole tree too: the metainfo's launchable must name the menu entry installed beside it.
appstreamcli validate-tree --no-net --strict "$usr" || fail "appstreamcli validate-tree"
grep -q "<release version=\"$version\"" "$metainfo" \
    || fail "the metainfo has no release entry for version $version"

# The launcher, beside a stand-in game that tells where it runs and what it was given.
bin=$scratch/bin home=$scratch/home
mkdir "$bin" "$home"
cp "$usr/bin/quintdraw-launcher" "$bin/"
printf '#!/bin/sh\npwd\nprintf "%%s\\n" "$@"\n' >"$bin/quintdraw"
chmod +x "$bin/quintdraw"
expect_game_in() { # FOLDER CASE OUTPUT
    [ "$3" = "$(printf '%s\none\ntwo words' "$1")" ] \
        || fail "launcher, $2: wanted the game in $1 with its arguments, got: $3"
}
expect_game_in "$home/.local/share/quintdraw" "no XDG_DATA_HOME" \
    "$(cd / && env -u XDG_DATA_HOME HOME="$home" "$bin/quintdraw-launcher" one "two words")"
[ "$(stat -c %a "$home/.local/share/quintdraw")" = 700 ] \
    || fail "the data folder is open to other users"
expect_game_in "$home/.local/share/quintdraw" "relative XDG_DATA_HOME" \
    "$(cd "$bin" && HOME="$home" XDG_DATA_HOME=data ./quintdraw-launcher one "two words")"
expect_game_in "$scratch/data/quintdraw" "XDG_DATA_HOME set" \
    "$(cd / && HOME="$home" XDG_DATA_HOME="$scratch/data" "$bin/quintdraw-launcher" one "two words")"
echo "installed files, validators and launcher: all good"
