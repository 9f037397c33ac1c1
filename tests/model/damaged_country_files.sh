#!/bin/sh
# kwtool end to end on a demo database with a damaged country file (England: first line replaced)
# and a cut one (Germany): roundtrip copies both byte for byte and exits non-zero, naming them;
# stats and check name them too; check exits 2 as the database could not be read whole.
# Usage: damaged_country_files.sh KWTOOL WORKDIR
set -eu
. "$(dirname "$0")/../support/demo_script.sh"

{ printf '%%INDEX%%COUNTRX\r\n'; tail -n +2 "$db/Country50.sav"; } >"$work/expected50"
head -c 300000 "$db/Country14.sav" >"$work/expected14"
cp "$work/expected50" "$db/Country50.sav"
cp "$work/expected14" "$db/Country14.sav"

status=0
tool roundtrip "$db" "$work/copy" >"$work/roundtrip.out" 2>"$work/roundtrip.err" || status=$?
[ "$status" -ne 0 ] || fail "roundtrip exited 0"
grep -q "^damaged 50 England" "$work/roundtrip.out" || fail "roundtrip does not print England"
grep -q "^damaged 14 Deutschland" "$work/roundtrip.out" || fail "roundtrip does not print Germany"
grep -q "England (Country50.sav)" "$work/roundtrip.err" || fail "no load message on stderr"
cmp "$work/expected50" "$work/copy/Country50.sav" || fail "England's bytes were not kept"
cmp "$work/expected14" "$work/copy/Country14.sav" || fail "Germany's bytes were not kept"
cmp "$db/Country1.sav" "$work/copy/Country1.sav" || fail "a whole country changed"

tool stats "$db" >"$work/stats.out" 2>"$work/stats.err" || fail "stats failed"
grep -q "^damaged 50 England" "$work/stats.out" || fail "stats does not print England"

status=0
tool check "$db" --json >"$work/check.out" 2>"$work/check.err" || status=$?
[ "$status" -eq 2 ] || fail "check of a database read in part did not exit 2"
sed -n '/"damagedCountries"/,$p' "$work/check.out" | grep -q '"number": 14' ||
    fail "check --json does not list Germany"
echo "ok"
