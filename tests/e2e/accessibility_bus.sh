# Sourced after session.sh by the tests that hear the game as a screen reader does: a private
# D-Bus session with its own AT-SPI bus, and the game exposed on it. Processes started on it
# are added to bus_pids and stopped with the test. The sourcing script may set
# accessibility_tools (more commands it needs) first.

python=/usr/bin/python3   # Debian's, which has pyatspi
launcher=/usr/libexec/at-spi-bus-launcher
missing=()
for tool in dbus-daemon ${accessibility_tools[@]+"${accessibility_tools[@]}"}; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
[ -x "$launcher" ] || missing+=(at-spi2-core)
"$python" -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
    [ "${CI:-}" = true ] && fail "missing ${missing[*]}: run scripts/install-deps.sh --test"
    echo "SKIP: missing ${missing[*]}: run scripts/install-deps.sh --test" >&2
    exit 77
fi

bus_pids=()
# session.sh's cleanup reads the exit status from $?, so it is handed on.
stop_bus() {
    local status=$? pid
    for pid in ${bus_pids[@]+"${bus_pids[@]}"}; do
        kill "$pid" 2>/dev/null || true
    done
    set +e
    (exit "$status")
    cleanup
}
trap stop_bus EXIT

start_accessibility_bus() {
    dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 3>"$work/bus.address" 4>"$work/bus.pid"
    bus_pids+=("$(head -n 1 "$work/bus.pid")")
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus.address")
    export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
    "$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
    bus_pids+=("$!")
}

query() { "$python" "$here/atspi_query.py" "$@"; }
game_on_bus() { query describe "push button" "Bet >>" >/dev/null 2>&1; }
