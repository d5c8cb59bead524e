#!/usr/bin/env bash
# Builds the console and runs it. Installs what it needs first.
#
# The console works in build/run/ (or $WALL_WORKDIR). Its settings file there
# names the simulated wall's terminal as the wall link, so the console drives
# wallsim when no hardware is configured; configure real ports in the
# console (Settings > Serial settings) and the next start uses them instead.
# Arguments go to the console, e.g.  scripts/run.sh --screenshot shot.png
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel 2 --target wallconsole wallsim wallctl

workdir="${WALL_WORKDIR:-$PWD/build/run}"
mkdir -p "$workdir"
settings="$workdir/Setting.ini"
link="$workdir/wall-link"
[ -f "$settings" ] || printf '[YbCommDevice1 Com Set]\nPortName=%s\n' "$link" >"$settings"

if grep -q "^PortName=$link\$" "$settings"; then
    build/src/sim/wallsim --settings "$settings" --link "$link" >"$workdir/wallsim.log" 2>&1 &
    sim=$!
    trap 'kill $sim 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
    echo "wallsim: simulated wall on $(readlink "$link") (frames in $workdir/wallsim.log)" >&2
fi

console=(build/src/gui/wallconsole --settings "$settings" "$@")
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    # No screen: run on a virtual one and keep a picture of the window.
    [ $# -gt 0 ] || console+=(--screenshot "$workdir/console.png")
    echo "No display: the console runs on a virtual screen; see $workdir/console.png" >&2
    xvfb-run -a "${console[@]}"
else
    "${console[@]}"
fi
