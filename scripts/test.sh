#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test twice: once in a Release build (which
# is also packed as a .deb, installed with apt, started and removed), once under
# AddressSanitizer and UndefinedBehaviorSanitizer with clang (any report fails the run), with
# bounded fuzzing of the file readers. The end-to-end tests play in the Release build; the
# held-keys ones in both. Tests run in parallel; while the Release tests run, which mostly wait
# for the game, the instrumented build compiles at a lower priority.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --test
export QT_QPA_PLATFORM=offscreen

# Several tests at a time per core: the end-to-end tests spend most of their time waiting.
parallel=$(( 2 * $(nproc) ))
build=$root/build/test
sanitize=$root/build/sanitize
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build"

CXX=clang++ cmake -S "$root" -B "$sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUINTDRAW_SANITIZE=ON -DQUINTDRAW_FUZZ=ON
# Ninja itself, so that stopping it stops the compilers it started.
nice -n 10 ninja -C "$sanitize" >"$sanitize/build.log" 2>&1 &
sanitize_build=$!
home=''
cleanup() {
    kill "$sanitize_build" 2>/dev/null || true
    if [ -n "$home" ]; then
        apt-get remove -y -qq quintdraw >/dev/null 2>&1 || true
        rm -rf "$home"
    fi
}
trap cleanup EXIT

ctest --test-dir "$build" --output-on-failure -j "$parallel"

# ---- Debian package from the same build: checked by lintian, installed with apt, started, removed ----
rm -f "$build"/quintdraw_*.deb
(cd "$build" && cpack -G DEB)
sh "$root/packaging/check_package.sh" "$build"/quintdraw_*.deb
home=$(mktemp -d)
apt-get install -y -qq "$build"/quintdraw_*.deb
listed=$(dpkg -L quintdraw)
for file in /usr/bin/quintdraw /usr/share/applications/io.github.quintdraw.Quintdraw.desktop \
            /usr/share/metainfo/io.github.quintdraw.quintdraw.metainfo.xml /usr/share/man/man6/quintdraw.6.gz; do
    grep -qx "$file" <<<"$listed" || { echo "FAIL: the package lacks $file" >&2; exit 1; }
done
# The installed program answers without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM quintdraw --version)
[[ $version =~ ^quintdraw\ [0-9.]+$ ]] || { echo "FAIL: the installed quintdraw --version said: $version" >&2; exit 1; }
# Started as the menu starts it, the game must still be running after 3 s, in its data folder.
status=0
(cd / && HOME=$home XDG_DATA_HOME='' timeout 3 quintdraw --data-folder) || status=$?
if [ "$status" != 124 ] || [ ! -d "$home/.local/share/quintdraw" ]; then
    echo "FAIL: the installed game did not keep running in its data folder (exit $status)" >&2
    exit 1
fi
apt-get remove -y -qq quintdraw >/dev/null
rm -rf "$home"
home=''
echo "Debian package: installed, started and removed"

# ---- Sanitizers and fuzzing ----
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$root/tests/lsan.supp"
wait "$sanitize_build" || { cat "$sanitize/build.log"; echo "FAIL: the instrumented build failed" >&2; exit 1; }
tail -n 1 "$sanitize/build.log"
ctest --test-dir "$sanitize" --output-on-failure -j "$parallel"
