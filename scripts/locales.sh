#!/usr/bin/env bash
# Generates the C library's locales that the tests run in (Debian's `locales`), when missing:
# a test run that names a locale the machine lacks stops at once rather than passing in "C".
set -euo pipefail

wanted=(en_US.UTF-8 de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8 zh_CN.UTF-8 ar_EG.UTF-8)

bash "$(dirname "${BASH_SOURCE[0]}")/install-missing.sh" locales

# "de_DE.UTF-8" is listed by `locale -a` as "de_DE.utf8".
have="$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')"
missing=()
for name in "${wanted[@]}"; do
    short="$(printf '%s' "$name" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')"
    grep -qx "$short" <<<"$have" || missing+=("$name")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
echo "Generating locales: ${missing[*]}"
for name in "${missing[@]}"; do
    # Uncomment the line of /etc/locale.gen, or add it when the file lacks it.
    if grep -qE "^#? *${name//./\\.} UTF-8" /etc/locale.gen; then
        "${sudo_cmd[@]}" sed -i -E "s/^# *(${name//./\\.} UTF-8)/\\1/" /etc/locale.gen
    else
        echo "$name UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    fi
done
"${sudo_cmd[@]}" locale-gen
