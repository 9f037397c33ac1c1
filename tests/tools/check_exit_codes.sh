#!/bin/sh
# kwtool check's exit codes and findings: 0 on the sound demo (warnings only), 1 once a league's
# fixture list has a free place, 2 for a folder that cannot be read; the JSON keeps its keys and
# adds the findings; without --install the database's own installation, or none.
# Usage: check_exit_codes.sh KWTOOL WORKDIR
set -u
. "$(dirname "$0")/../support/demo_script.sh"

check() { tool check "$db" "$@"; }

check >"$work/sound.out"
[ $? -eq 0 ] || fail "the sound demo does not exit 0"
grep -q "^0 errors, [0-9]* warnings" "$work/sound.out" || fail "no summary line"
grep -q "^14 Deutschland: complete" "$work/sound.out" || fail "the completeness lines are gone"
check --json >"$work/sound-json.out"
[ $? -eq 0 ] || fail "the sound demo's JSON does not exit 0"
for key in countries damagedCountries cupFormatWarnings findings findingCounts; do
    grep -q "^  \"$key\": " "$work/sound-json.out" || fail "JSON lacks $key"
done
grep -q '"severity": "error"' "$work/sound-json.out" && fail "the sound demo has errors"

# Without --install the installation that holds the database folder is used; a database lying
# elsewhere is checked without one, and what needs it is said to be skipped, not reported.
alone() {
    (unset KW06_INSTALL_DIR && cd "$work" &&
        XDG_CONFIG_HOME="$work/none" XDG_CONFIG_DIRS="$work/none" "$kwtool" check "$@")
}
alone "$db" >"$work/beside.out"
[ $? -eq 0 ] || fail "the demo's database without --install does not exit 0"
cmp -s "$work/sound.out" "$work/beside.out" || fail "the installation holding the database is not used"
cp -R "$db" "$work/lone"
alone "$work/lone" >"$work/lone.out"
[ $? -eq 0 ] || fail "a database outside an installation does not exit 0"
grep -q "^0 errors, [0-9]* warnings" "$work/lone.out" || fail "faults reported without an installation"
grep -q "^skipped, as they need the installation.*: cups, completeness" "$work/lone.out" ||
    fail "the skipped checks are not named"

# The first pairing of England's first league loses both teams.
file="$db/Country50.sav"
awk 'BEGIN { next_line = 0; done = 0 }
     next_line && !done { sub(/^[0-9]+,[0-9]+,/, "0,0,"); done = 1 }
     /^%INDEX%FIXTURE\r?$/ { next_line = 1 }
     { print }' "$file" >"$work/Country50.sav"
mv "$work/Country50.sav" "$file"
check --json >"$work/fault-json.out"
[ $? -eq 1 ] || fail "a broken fixture list does not exit 1"
tr -d ' \n' <"$work/fault-json.out" |
    grep -q '"severity":"error","country":50,"countryName":"England","kind":"fixtureList"' ||
    fail "no fixture-list error for England"
tr -d ' \n' <"$work/fault-json.out" | grep -q '"target":{"window":"fixtures","country":50' ||
    fail "the finding does not open the fixture view"
check >"$work/fault.out"
[ $? -eq 1 ] || fail "the text output does not exit 1"
grep -q "^error    50 England \[fixtureList\]" "$work/fault.out" || fail "no error line"

tool check "$work/missing" --json >"$work/missing.out" 2>&1
[ $? -eq 2 ] || fail "a missing folder does not exit 2"
echo "ok"
