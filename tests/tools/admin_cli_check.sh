#!/bin/sh
# kwtool admin on the demo installation: the commands are listed, a run saves what it changed
# (a second run finds nothing left), a run without change leaves the files alone, and wrong names,
# missing options and missing folders end with a message and a non-zero exit code.
# Usage: admin_cli_check.sh KWTOOL WORKDIR
set -eu
. "$(dirname "$0")/../support/demo_script.sh"

admin() { tool admin "$@"; }
sums() {
    (cd "$db" && cat ./*.sav | cksum)
}

admin list >"$work/list.out" || fail "list failed"
[ "$(wc -l <"$work/list.out")" -eq 13 ] || fail "list does not name 13 commands"
grep -qx "tactical-training" "$work/list.out" || fail "list lacks tactical-training"
! grep -q "map-" "$work/list.out" || fail "list names a mapping run"

admin run tactical-training "$db" >"$work/first.out" || fail "first run failed"
grep -Eq "^Changed the tactical skill of [1-9][0-9]* players$" "$work/first.out" ||
    fail "the first run changed nobody"
admin run tactical-training "$db" >"$work/second.out" || fail "second run failed"
grep -qx "Changed the tactical skill of 0 players" "$work/second.out" ||
    fail "the first run was not saved"

admin run remove-staff "$db" >"$work/staff.out" || fail "remove-staff failed"
grep -Eq "^Deleted [1-9][0-9]* staffs$" "$work/staff.out" || fail "no staff removed"
tool check "$db" >"$work/check.out" || fail "check after removal"

before=$(sums)
admin run remove-unused-stadiums "$db" --country 14 >"$work/unused.out" || fail "unused failed"
[ "$before" = "$(sums)" ] || fail "a run without change rewrote the files"

if admin run no-such-command "$db" 2>"$work/unknown.out"; then fail "unknown name accepted"; fi
grep -q "unknown admin command 'no-such-command'" "$work/unknown.out" || fail "no message"
if admin run rename-stadiums "$db" 2>"$work/option.out"; then fail "missing --country"; fi
grep -q "rename-stadiums needs --country" "$work/option.out" || fail "no option message"
if admin run club-yellow-shoes "$db" --club 0x0E0001x 2>"$work/club.out"; then
    fail "bad club id accepted"
fi
if admin run tactical-training "$work/missing" 2>"$work/missing.out"; then fail "missing folder"; fi
grep -q "database folder not found" "$work/missing.out" || fail "no folder message"
mkdir -p "$work/empty"
if admin run tactical-training "$work/empty" 2>"$work/empty.out"; then fail "empty folder"; fi
grep -q "no country file could be read" "$work/empty.out" || fail "no empty-folder message"
echo "admin cli ok"
