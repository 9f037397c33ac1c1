#!/bin/sh
# kwtool check on the demo installation: its cup formats state their round counts, so no warning;
# with a first round that states 0 rounds, the text and the JSON output warn about that format.
# Usage: cup_format_check.sh KWTOOL WORKDIR
set -eu
. "$(dirname "$0")/../support/demo_script.sh"

check() { tool check "$db" "$@"; }

check >"$work/clean.out" || fail "check failed"
! grep -q "^warning: cup format" "$work/clean.out" || fail "the demo's formats are warned about"
check --json >"$work/clean-json.out" || fail "check --json failed"
grep -q '"cupFormatWarnings": \[\]' "$work/clean-json.out" || fail "JSON lists warnings"

# The first round of format 1 states 0 rounds, as the demo used to write.
alloc="$work/install/script/CupAlloc.txt"
awk 'BEGIN { inside = 0; done = 0 }
     /^%INDEX%CUP1\r?$/ { inside = 1 }
     inside && !done && /^\{/ { sub(/^\{[0-9]+,[0-9]+,/, "{64,0,"); done = 1 }
     { print }' "$alloc" >"$work/CupAlloc.txt"
mv "$work/CupAlloc.txt" "$alloc"
grep -q '^{64,0,' "$alloc" || fail "could not change CupAlloc.txt"

check >"$work/warned.out" || fail "check failed"
grep -q "^warning: cup format 1 Pokal Deutschland: first round states 0 rounds, it has 6" \
    "$work/warned.out" || fail "no warning in the text output"
check --json >"$work/warned-json.out" || fail "check --json failed"
sed -n '/"cupFormatWarnings"/,$p' "$work/warned-json.out" | tr -d ' \n' |
    grep -q '{"number":1,"name":"PokalDeutschland","statedRounds":0,"rounds":6}' ||
    fail "no warning in the JSON output"
echo "ok"
