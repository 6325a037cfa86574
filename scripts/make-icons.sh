#!/usr/bin/env bash
# make-icons.sh - (re)draws Ferrolyn's desktop icon: packaging/icons/ferrolyn.svg (a coaxial
# cable's cross-section: jacket, shield, dielectric and centre conductor) and its PNG renderings
# packaging/icons/ferrolyn-<size>.png, drawn from the SVG with Qt's SVG renderer.
# Output is deterministic: running it twice gives byte-identical files.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/packaging/icons"
mkdir -p "$out"

cat > "$out/ferrolyn.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Ferrolyn</title>
  <rect x="8" y="8" width="240" height="240" rx="40" fill="#1d3a6b"/>
  <circle cx="128" cy="128" r="92" fill="#222222"/>
  <circle cx="128" cy="128" r="78" fill="#c8772e"/>
  <circle cx="128" cy="128" r="66" fill="#e9e4d8"/>
  <circle cx="128" cy="128" r="22" fill="#c8772e"/>
  <circle cx="121" cy="121" r="7" fill="#f2c596"/>
  <path d="M 40 214 L 216 214" stroke="#d7263d" stroke-width="10" stroke-linecap="round"/>
</svg>
SVG

build="$root/build-tools"
if [ ! -x "$build/bin/ferrolyn_screenshots" ]; then
    bash "$root/scripts/deps.sh"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DFERROLYN_TOOLS=ON
    cmake --build "$build" -j "$(nproc)" --target ferrolyn_screenshots
fi
for size in 16 24 32 48 64 128 256; do
    QT_QPA_PLATFORM=offscreen "$build/bin/ferrolyn_screenshots" --icon "$out/ferrolyn.svg" \
        "$size" "$out/ferrolyn-$size.png"
done
