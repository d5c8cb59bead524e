#!/usr/bin/env bash
# Builds the console and runs it. Installs what it needs first.
# Arguments are passed on to wallctl, e.g.  scripts/run.sh --trace write 0x41 50
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel 2 --target wallctl

workdir="${WALL_WORKDIR:-$PWD/build/run}"
mkdir -p "$workdir"
if [ $# -eq 0 ]; then
    set -- --trace write 0x41 50
    echo "wallctl --settings $workdir/Setting.ini $*" >&2
fi
exec build/src/cli/wallctl --settings "$workdir/Setting.ini" "$@"
