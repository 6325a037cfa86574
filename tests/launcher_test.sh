#!/usr/bin/env bash
# The launcher registers the common files through the program, whatever the user's settings
# folder holds: a file QSettings wrote with other sections, a last line without a line end, a
# link to a device, a FIFO, a folder that cannot be made, a home folder of another user.
#   launcher_test.sh PROGRAM LAUNCHER
set -u
program="$1"
launcher="$2"
work="$(mktemp -d)"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
common="$work/common folder"
mkdir -p "$common"
# The installed launcher, pointed at the built program and a common folder here, and stopping
# before it would start the window.
sed -e "s|/usr/lib/ferrolyn/ferrolyn|$program|" -e "s|/usr/share/ferrolyn/common|$common|" \
    -e 's|^exec .*|exit 0|' "$launcher" >"$work/launcher"
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
# Runs the launcher for a home folder (no XDG_CONFIG_HOME), within 20 s.
launch() {
    env -u XDG_CONFIG_HOME HOME="$1" timeout 20 sh "$work/launcher" 2>"$work/err"
}
conf() { printf '%s' "$1/.config/Vantrel/Common Files.conf"; }
expect_file() { # home, expected bytes
    local got
    got="$(cat "$(conf "$1")"; printf x)"
    [ "${got%x}" = "$2" ] || fail "$1: the settings file holds [${got%x}], not [$2]"
}

home="$work/fresh"
mkdir -p "$home"
launch "$home" || fail "fresh: the launcher failed"
expect_file "$home" $'[General]\nPath='"$common"$'\n'
launch "$home" || fail "fresh: the second start failed"
expect_file "$home" $'[General]\nPath='"$common"$'\n'

home="$work/sections"
mkdir -p "$home/.config/Vantrel"
printf '[Other]\nKey=1\n' >"$(conf "$home")"
launch "$home" || fail "sections: the launcher failed"
expect_file "$home" $'[General]\nPath='"$common"$'\n\n[Other]\nKey=1\n'

home="$work/no-line-end"
mkdir -p "$home/.config/Vantrel"
printf '[General]\nOther=1' >"$(conf "$home")"
launch "$home" || fail "no line end: the launcher failed"
expect_file "$home" $'[General]\nOther=1\nPath='"$common"$'\n'

home="$work/device"
mkdir -p "$home/.config/Vantrel"
ln -s /dev/null "$(conf "$home")"
launch "$home"
[ -L "$(conf "$home")" ] && [ -c /dev/null ] || fail "device: the link or the device was replaced"
grep -q "not a regular file" "$work/err" || fail "device: no reason given: $(cat "$work/err")"

home="$work/fifo"
mkdir -p "$home/.config/Vantrel"
mkfifo "$(conf "$home")"
launch "$home"
[ $? -ne 124 ] || fail "fifo: the launcher hung"
[ -p "$(conf "$home")" ] || fail "fifo: the FIFO was replaced"
grep -q "not a regular file" "$work/err" || fail "fifo: no reason given: $(cat "$work/err")"

home="$work/blocked"
mkdir -p "$home"
printf 'not a folder\n' >"$home/.config"
launch "$home"
grep -q "cannot be made" "$work/err" || fail "blocked: no reason given: $(cat "$work/err")"

if [ "$(id -u)" = 0 ] && id nobody >/dev/null 2>&1; then
    home="$work/other-user"
    mkdir -p "$home"
    chown nobody "$home"
    launch "$home"
    [ ! -e "$home/.config" ] || fail "other user: something was made in their home folder"
    grep -q "belongs to another user" "$work/err" || fail "other user: no reason given: $(cat "$work/err")"
fi

exit "$failed"
