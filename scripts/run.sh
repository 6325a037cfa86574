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

# Register the common-files folder as an installer would, unless one is registered already; the
# program writes the setting itself and says why when it cannot.
"$program/ferrolyn" --register-common-files "$common" ||
    echo "Ferrolyn will start without its common files registered." >&2

exec "$program/ferrolyn" "$@"
