#!/bin/sh
# kwtool diff --package and kwtool apply end to end on the small demo: a package made from two
# databases turns a copy of the first into the second (exit 0), applied again finds everything
# applied and saves nothing, leaves a field the receiver changed otherwise as a conflict (exit 1),
# and a damaged package, one of another version or one naming an unknown field is refused (exit 2)
# without touching the database.
# Usage: change_package.sh KWTOOL WORKDIR
set -eu
. "$(dirname "$0")/../support/demo_script.sh"

# expect CODE NAME ARGS...: runs kwtool with the arguments, output in NAME.out/.err.
expect() {
    code=$1
    name=$2
    shift 2
    status=0
    tool "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
    [ "$status" -eq "$code" ] || fail "$name exited $status, expected $code"
}

# edit DB COLUMN VALUE: the first row of country 14's players CSV gets VALUE in COLUMN.
edit() {
    tool export-csv "$1" "$work/players.csv" --kind players --country 14 >/dev/null
    awk -F';' -v name="$2" -v value="$3" 'BEGIN { OFS = ";" }
        NR == 1 { for (i = 1; i <= NF; ++i) if ($i == name) col = i }
        NR == 2 { $col = value }
        { print }' "$work/players.csv" >"$work/edited.csv"
    tool import-csv "$1" "$work/edited.csv" >/dev/null || fail "editing $1 failed"
}

for copy in new receiver other; do
    tool roundtrip "$db" "$work/$copy" >/dev/null || fail "roundtrip failed"
done
edit "$work/new" ability0 99
edit "$work/new" surname Umbenannt

expect 1 make diff "$db" "$work/new" --package "$work/changes.kwp"
grep -q "changes written" "$work/make.out" || fail "no package written"
grep -q '"version": 1' "$work/changes.kwp" || fail "the package names no version"

cp "$work/receiver/Country14.sav" "$work/before14"
expect 0 dry apply "$work/changes.kwp" "$work/receiver" --dry-run
grep -q "^applies: field person .* abilities\[0\]: .* -> 99" "$work/dry.out" ||
    fail "the ability change is not listed as applying"
grep -q "database not changed" "$work/dry.out" || fail "--dry-run did not say so"
cmp -s "$work/receiver/Country14.sav" "$work/before14" || fail "--dry-run changed the database"

expect 0 apply apply "$work/changes.kwp" "$work/receiver"
grep -q "database saved" "$work/apply.out" || fail "not saved"
expect 0 same diff "$work/receiver" "$work/new"

expect 0 again apply "$work/changes.kwp" "$work/receiver"
grep -q "^applies\|^conflict" "$work/again.out" && fail "a second apply found work to do"
grep -q "database not changed" "$work/again.out" || fail "a second apply saved"

edit "$work/other" ability0 98
expect 1 conflict apply "$work/changes.kwp" "$work/other"
grep -q "^conflict: field person .* abilities\[0\]" "$work/conflict.out" ||
    fail "the field changed otherwise is no conflict"
grep -q "^applies: field person .* surname" "$work/conflict.out" || fail "the rest was not applied"
grep -q "database saved" "$work/conflict.out" || fail "the changes that apply were not saved"

cp "$work/receiver/Country14.sav" "$work/before14"
head -c 300 "$work/changes.kwp" >"$work/cut.kwp"
expect 2 cut apply "$work/cut.kwp" "$work/receiver"
grep -q "not a readable package" "$work/cut.err" || fail "no reason for the cut package"
sed 's/"version": 1/"version": 9/' "$work/changes.kwp" >"$work/version.kwp"
expect 2 version apply "$work/version.kwp" "$work/receiver"
grep -q "unknown package version 9" "$work/version.err" || fail "no reason for the version"
sed 's/"abilities\[0\]"/"wingspan"/' "$work/changes.kwp" >"$work/field.kwp"
expect 2 field apply "$work/field.kwp" "$work/receiver"
grep -q 'unknown field "wingspan"' "$work/field.err" || fail "no reason for the unknown field"
cmp -s "$work/receiver/Country14.sav" "$work/before14" || fail "a refused package changed the database"
expect 2 missing apply "$work/changes.kwp" "$work/nowhere"
echo "ok"
