#!/usr/bin/env bash
# Signs an installer for Quick Update: writes INSTALLER.sig, the base64 of the detached Ed25519
# signature of the installer's bytes on one line, to be published beside the installer at its
# address with ".sig" appended; and prints the key's update-keys.txt line.
#
#   scripts/sign-update.sh KEYFILE INSTALLER
#
# KEYFILE is an OpenSSL Ed25519 private key in PEM (openssl genpkey -algorithm ed25519 -out
# KEYFILE). Keep it away from the repository and from every installation: only its public line
# goes into update-keys.txt.
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 KEYFILE INSTALLER" >&2
    exit 2
fi
key="$1"
installer="$2"
[ -f "$key" ] || { echo "sign-update: no key file $key" >&2; exit 1; }
[ -f "$installer" ] || { echo "sign-update: no installer $installer" >&2; exit 1; }
signature="$(mktemp)"
trap 'rm -f "$signature"' EXIT
# Ed25519 signs the message itself: the file is given by name, never through a pipe.
openssl pkeyutl -sign -rawin -inkey "$key" -in "$installer" -out "$signature"
[ "$(wc -c <"$signature")" -eq 64 ] || { echo "sign-update: $key is not an Ed25519 key" >&2; exit 1; }
base64 -w 0 "$signature" >"$installer.sig"
echo >>"$installer.sig"
echo "Wrote $installer.sig"
echo "The key's line for update-keys.txt:"
openssl pkey -in "$key" -pubout -outform DER | tail -c 32 | base64 -w 0
echo
