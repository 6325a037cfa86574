#!/usr/bin/env bash
# Redraws the README's screenshots (docs/*.png) headless on the sample installation: the result
# page at 1x and the band panel at 1x and 2x scale.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-tools"

bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DFERROLYN_TOOLS=ON
cmake --build "$build" -j "$(nproc)" --target ferrolyn_screenshots

export QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
"$build/bin/ferrolyn_screenshots" "$root" "$root/docs"
QT_SCALE_FACTOR=2 "$build/bin/ferrolyn_screenshots" "$root" "$build/scaled"
cp "$build/scaled/band-panel.png" "$root/docs/band-panel@2x.png"
