#!/bin/sh
# kwtool map end to end on the small demo with its own lists: each run saves the database and
# writes the report worked out for the demo; an unreadable list changes nothing (exit 2), an
# unwritable report is told and exits 1 with the mapping saved.
# Usage: kwtool_map.sh KWTOOL WORKDIR DATADIR
set -eu
. "$(dirname "$0")/../support/demo_script.sh"
data=$3
lists="$db/rakel"

map() { tool map "$@"; }

# An unreadable list: exit 2, the database untouched.
cp "$db/Country1.sav" "$work/country1.before"
status=0
map clubs "$db" --source "$work/missing.txt" --report "$work/none.txt" >"$work/missing.out" \
    2>"$work/missing.err" || status=$?
[ "$status" -eq 2 ] || fail "a missing list exits $status"
grep -q "cannot read" "$work/missing.err" || fail "a missing list is not named"
[ ! -e "$work/none.txt" ] || fail "a report was written without a list"
: >"$work/empty.txt"
status=0
map players "$db" --source "$work/empty.txt" --report "$work/none.txt" >"$work/empty.out" \
    2>"$work/empty.err" || status=$?
[ "$status" -eq 2 ] || fail "an empty list exits $status"
grep -q "Failure while mapping" "$work/empty.err" || fail "an empty list is not a failure"
cmp -s "$db/Country1.sav" "$work/country1.before" || fail "a refused run changed the database"

# The PS2 run first, while the players still have the demo's faces.
for run in ps2faces:RakelPS2Faces:demo_ps2_face_report clubs:RakelClubs:demo_club_report \
    players:RakelPlayers:demo_player_report; do
    kind=${run%%:*}
    rest=${run#*:}
    list=${rest%%:*}
    expected=${rest#*:}
    map "$kind" "$db" --source "$lists/$list.txt" --report "$work/$kind.txt" --zero-unmatched \
        >"$work/$kind.out" 2>"$work/$kind.err" || fail "$kind exits non-zero"
    grep -q "database saved" "$work/$kind.out" || fail "$kind did not save"
    cmp -s "$work/$kind.txt" "$data/$expected.txt" || fail "$kind report differs"
done
tool dump "$db" --json >"$work/dump.json" 2>"$work/dump.err"
grep -q '"externalNumber": 20000' "$work/dump.json" || fail "the club numbers were not saved"
grep -q '"secondExternalNumber": 100000' "$work/dump.json" || fail "player numbers not saved"

# A report that cannot be written: exit 1, the mapping still saved.
status=0
map clubs "$db" --source "$lists/RakelClubs.txt" --report "$work/no folder/report.txt" \
    >"$work/unwritable.out" 2>"$work/unwritable.err" || status=$?
[ "$status" -eq 1 ] || fail "an unwritable report exits $status"
grep -q "could not be written" "$work/unwritable.err" || fail "an unwritable report is not told"

# An unknown kind is refused by the parser.
if map teams "$db" --source "$lists/RakelClubs.txt" --report "$work/x.txt" \
    >"$work/kind.out" 2>"$work/kind.err"; then
    fail "an unknown kind was accepted"
fi
echo "kwtool map: all checks passed"
