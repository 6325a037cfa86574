#!/bin/sh
# Starts Ferrolyn as installed by its package. The sample price list ships as the common files;
# they are registered for this user, as an installer would, only when no "Path" is registered
# yet. The program itself never registers them.
set -e
common=/usr/share/ferrolyn/common
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Vantrel/Common Files.conf"
if [ ! -f "$settings" ] || ! grep -q '^Path=' "$settings"; then
    mkdir -p "$(dirname "$settings")"
    if ! grep -q '^\[General\]' "$settings" 2>/dev/null; then
        printf '[General]\n' >> "$settings"
    fi
    printf 'Path=%s\n' "$common" >> "$settings"
fi
exec /usr/lib/ferrolyn/ferrolyn "$@"
