#!/bin/sh
# kwtool diff end to end on the small demo: a database and its saved copy are identical (exit 0),
# a copy without one country differs (exit 1, also as JSON), a damaged or missing database is
# refused (exit 2).
# Usage: diff_exit_codes.sh KWTOOL WORKDIR
set -eu
. "$(dirname "$0")/../support/demo_script.sh"

# Runs kwtool diff with the given arguments and checks its exit code; output in NAME.out/.err.
expect() {
    code=$1
    name=$2
    shift 2
    status=0
    tool diff "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
    [ "$status" -eq "$code" ] || fail "$name exited $status, expected $code"
}

tool roundtrip "$db" "$work/saved" >/dev/null || fail "roundtrip failed"

expect 0 same "$db" "$db"
grep -q "^identical$" "$work/same.out" || fail "identical databases not reported as such"
expect 0 saved "$db" "$work/saved"

cp -r "$work/saved" "$work/fewer"
rm "$work/fewer/Country14.sav"
expect 1 fewer "$db" "$work/fewer"
grep -q "^14 " "$work/fewer.out" || fail "the emptied country is not named"
grep -q "club removed: " "$work/fewer.out" || fail "no removed club listed"
expect 1 fewerJson "$db" "$work/fewer" --json
grep -q '"identical": false' "$work/fewerJson.out" || fail "JSON does not say different"
grep -q '"change": "removed"' "$work/fewerJson.out" || fail "JSON lists no removed record"

cp -r "$work/saved" "$work/damaged"
{ printf '%%INDEX%%COUNTRX\r\n'; tail -n +2 "$db/Country50.sav"; } >"$work/damaged/Country50.sav"
expect 2 damaged "$db" "$work/damaged"
grep -q "damaged" "$work/damaged.err" || fail "the damaged database is not named"
expect 2 missing "$db" "$work/nowhere"
[ ! -s "$work/missing.out" ] || fail "output for a missing database"
echo "ok"
