#!/usr/bin/env bash
# Installs what is missing, builds Ferrolyn, stages the sample installation beside the program,
# registers its common-files folder when none is registered, and starts the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FERROLYN_BUILD_DIR:-$root/build}"

bash "$root/scripts/deps.sh" --gui
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$build" -j "$(nproc)"

# Stage the sample installation: program files beside the executable, the shared data folder
# next to it.
program="$build/bin"
common="$build/common"
mkdir -p "$program" "$common"
cp -R "$root/install/program/." "$program/"
cp -R "$root/install/common/." "$common/"

# Register the common-files folder as an installer would, unless one is registered already.
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Vantrel/Common Files.conf"
if [ ! -f "$settings" ] || ! grep -q '^Path=' "$settings"; then
    mkdir -p "$(dirname "$settings")"
    printf '[General]\nPath=%s\n' "$common" >> "$settings"
    echo "Registered common-files folder: $common"
fi

exec "$program/ferrolyn" "$@"
