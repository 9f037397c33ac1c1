#!/bin/sh
# Change packages on the `huge` demo, as whole kwtool commands: making a package of 1,000 changes
# against `kwtool diff` of the same pair, and applying it against `kwtool roundtrip` of the
# receiving database, with each command's wall time and peak memory (/usr/bin/time).
# Usage: bench/package_commands.sh KWTOOL [WORKDIR]
set -eu
kwtool=$(realpath "$1")
work=${2:-$(mktemp -d)}
mkdir -p "$work"
cd "$work"

[ -d inst ] || "$kwtool" gen-demo --scale huge inst >/dev/null
rm -rf old new receiver out package.kwp
cp -r inst/database old
cp -r inst/database new
cp -r inst/database receiver

# 1,000 players spread over the world get another first ability, every tenth a new surname too.
"$kwtool" --install inst export-csv --kind players old players.csv >/dev/null
python3 - players.csv edited.csv <<'PY'
import sys
rows = open(sys.argv[1], encoding="utf-8-sig").read().split("\n")
head = rows[0].split(";")
ability, surname = head.index("ability0"), head.index("surname")
body = [r for r in rows[1:] if r]
step = len(body) // 1000
out = [rows[0]]
for n in range(1000):
    cells = body[n * step].split(";")
    cells[ability] = str(int(cells[ability]) % 90 + 1)
    if n % 10 == 0:
        cells[surname] = cells[surname] + "o"
    out.append(";".join(cells))
open(sys.argv[2], "w", encoding="utf-8-sig").write("\n".join(out) + "\n")
PY
"$kwtool" --install inst import-csv new edited.csv >/dev/null

measure() {
    name=$1
    shift
    /usr/bin/time -f "$name: %e s wall, %U s user, %M KB peak" "$@" >/dev/null || [ $? -le 1 ]
}
measure "diff" "$kwtool" --install inst diff old new
measure "diff --package" "$kwtool" --install inst diff old new --package package.kwp
grep -c '"change"' package.kwp | sed 's/^/changes in the package: /'
measure "roundtrip" "$kwtool" --install inst roundtrip receiver out
measure "apply" "$kwtool" --install inst apply package.kwp receiver
