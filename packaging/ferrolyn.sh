#!/bin/sh
# Starts Ferrolyn as installed by its package. The sample price list ships as the common files;
# the program registers them for this user, as an installer would, only when no "Path" is
# registered yet (and never in a folder another user owns), and says why when it cannot.
program=/usr/lib/ferrolyn/ferrolyn
"$program" --register-common-files "/usr/share/ferrolyn/common" >/dev/null || true
exec "$program" "$@"
