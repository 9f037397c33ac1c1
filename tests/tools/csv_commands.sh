#!/bin/sh
# kwtool export-csv and import-csv end to end on the small demo: an unchanged file changes nothing,
# an edited one is saved and reads back, rejected rows exit 1, unreadable input exits 2.
# Usage: csv_commands.sh KWTOOL WORKDIR
set -eu
. "$(dirname "$0")/../support/demo_script.sh"

tool export-csv "$db" "$work/players.csv" --kind players --country 14 >"$work/export.out" ||
    fail "export failed"
grep -q "players written" "$work/export.out" || fail "no export summary"
head -c 3 "$work/players.csv" | od -An -tx1 | grep -q "ef bb bf" || fail "no byte-order mark"
head -n 1 "$work/players.csv" | grep -q "^.*playerId;country;club;exportSurname" ||
    fail "header does not begin with the identity columns"

tool import-csv "$db" "$work/players.csv" >"$work/same.out" || fail "unchanged import failed"
grep -q "0 records with 0 changed fields, 0 rows rejected" "$work/same.out" ||
    fail "an unchanged file reports changes"
grep -q "database not changed" "$work/same.out" || fail "an unchanged file was saved"

# Second data row: the ability0 column set to 99, the third row's id made unknown.
awk -F';' 'BEGIN { OFS = ";" }
    NR == 1 { for (i = 1; i <= NF; ++i) if ($i == "ability0") col = i }
    NR == 2 { $col = ($col == "99") ? "98" : "99"; value = $col }
    NR == 3 { $1 = "987654321" }
    { print }
    END { print value > "'"$work"'/value" }' "$work/players.csv" >"$work/edited.csv"
value=$(cat "$work/value")
cp "$db/Country14.sav" "$work/before14"

status=0
tool import-csv "$db" "$work/edited.csv" --dry-run >"$work/dry.out" || status=$?
[ "$status" -eq 1 ] || fail "a rejected row did not exit 1 (got $status)"
grep -q "ability0 .* -> $value" "$work/dry.out" || fail "the change is not listed"
grep -q "rejected line 3 id 987654321: unknown id" "$work/dry.out" || fail "no rejection listed"
cmp -s "$db/Country14.sav" "$work/before14" || fail "--dry-run changed the database"

status=0
tool import-csv "$db" "$work/edited.csv" >"$work/apply.out" || status=$?
[ "$status" -eq 1 ] || fail "apply with a rejected row did not exit 1 (got $status)"
grep -q "database saved" "$work/apply.out" || fail "not saved"
tool export-csv "$db" "$work/after.csv" --kind players --country 14 >/dev/null
sed -n 2p "$work/after.csv" | cut -d';' -f1 >"$work/id"
awk -F';' 'NR == 1 { for (i = 1; i <= NF; ++i) if ($i == "ability0") col = i } NR == 2 { print $col }' \
    "$work/after.csv" | grep -qx "$value" || fail "the saved database lacks the change"

status=0
tool import-csv "$db" "$work/missing.csv" 2>"$work/missing.err" || status=$?
[ "$status" -eq 2 ] || fail "a missing file did not exit 2"
printf 'name;value\r\n' >"$work/foreign.csv"
status=0
tool import-csv "$db" "$work/foreign.csv" 2>"$work/foreign.err" || status=$?
[ "$status" -eq 2 ] || fail "a foreign file did not exit 2"
grep -q "first header cell" "$work/foreign.err" || fail "no reason for the foreign file"
status=0
tool export-csv "$db" "$work/x.csv" --kind coaches 2>"$work/kind.err" || status=$?
[ "$status" -eq 2 ] || fail "an unknown kind did not exit 2"
status=0
tool export-csv "$db" "$work/x.csv" --kind clubs --club 12345 2>"$work/club.err" || status=$?
[ "$status" -eq 2 ] || fail "an unknown club did not exit 2"
echo "ok"
