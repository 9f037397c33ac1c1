#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, core only), seeds a corpus per target from a small demo
# installation and runs the targets, two at a time.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   each target for SECONDS (default 60), its corpus growing
#   scripts/fuzz.sh --smoke [TARGET...]     each target once over its seed corpus only (for CI)
#
# Crashes are left as crash-* files in build-fuzz/findings/<target>/.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KW_FUZZ_BUILD_DIR:-$repo/build-fuzz}"
jobs="${KW_FUZZ_JOBS:-2}"
smoke=0
seconds=60
case "${1:-}" in
    --smoke) smoke=1 ;;
    "") ;;
    *) seconds="$1" ;;
esac
shift || true

targets=(kl_fuzz packed_codec_fuzz big_fuzz tga_fuzz bmp_fuzz country_fuzz rules_fuzz without_fuzz
         countries_list_fuzz text_table_fuzz cup_alloc_fuzz international_fuzz archive_fuzz
         master_file_fuzz commit_record_fuzz rakel_lists_fuzz change_package_fuzz csv_import_fuzz)
if (($#)); then
    targets=("$@")
fi

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKW_BUILD_GUI=OFF -DKW_BUILD_BENCH=OFF \
    -DKW_SANITIZE=ON >/dev/null
ninja -C "$build" -j"$jobs" kwtool "${targets[@]}"

# --- seeds: a small demo installation with an archive and a master file of its database, CSV
# files of one country and a change package against an edited copy. The harnesses that read
# records of a database generate the same demo (seed 1) for themselves.
demo="$build/fuzz-demo"
corpus="$build/corpus"
tool() { "$build/kwtool" --install "$demo" "$@" >/dev/null; }
# edit_csv IN OUT COLUMN VALUE: the first data row gets VALUE in COLUMN.
edit_csv() {
    awk -F';' -v name="$3" -v value="$4" 'BEGIN { OFS = ";" }
        NR == 1 { for (i = 1; i <= NF; ++i) if ($i == name) col = i }
        NR == 2 { $col = value }
        { print }' "$1" >"$2"
}
if [[ ! -f "$demo/changes.kwp" ]]; then
    rm -rf "$demo"
    "$build/kwtool" gen-demo --scale small "$demo" >/dev/null
    tool archive export "$demo/database" "$demo/database.tdb"
    tool master "$demo/database" "$demo/master.dat"
    for kind in players staff clubs; do
        tool export-csv "$demo/database" "$demo/$kind.csv" --kind "$kind" --country 14
    done
    edit_csv "$demo/players.csv" "$demo/players-edited.csv" ability0 99
    edit_csv "$demo/clubs.csv" "$demo/clubs-edited.csv" nameDe Umbenannt
    tool roundtrip "$demo/database" "$demo/edited"
    tool import-csv "$demo/edited" "$demo/players-edited.csv"
    tool import-csv "$demo/edited" "$demo/clubs-edited.csv"
    tool diff "$demo/database" "$demo/edited" --package "$demo/changes.kwp" || true
fi

# seed TARGET FILE [PREFIX]: copies FILE into the target's corpus, behind the given prefix bytes
# (printf format) for targets whose first bytes choose what to do.
seed() {
    local target="$1" file="$2" prefix="${3:-}"
    [[ -f "$file" ]] || return 0
    mkdir -p "$corpus/$target"
    local input="$corpus/$target/.seed"
    { printf "$prefix"; cat "$file"; } >"$input"
    mv "$input" "$corpus/$target/$(sha1sum "$input" | cut -c1-40)"
}

# Seeds are named by their hash, so seeding again leaves a grown corpus as it is.
shopt -s nullglob nocaseglob
db="$demo/database"
for file in "$db"/Country*.sav; do
    seed country_fuzz "$file"
done
for file in $(ls "$db"/Country*.sav | head -n 8); do
    seed kl_fuzz "$file" '\x00\x03\x43\x84\xc5\x06\x47\x88\x09\x0a\x4b\x8c\xcd\x0e\x4f\x90'
done
seed rules_fuzz "$db/Rules.sav"
seed without_fuzz "$db/Without.sav"
seed countries_list_fuzz "$db/countries.sav"
# The layout byte: bits 0-1 capacity, 0x04 none entry, 0x20 number first, 0x40 colours,
# 0x80 name list.
seed text_table_fuzz "$db/ger/shoe.txt" '\x21'
seed text_table_fuzz "$db/ger/TeamColour.txt" '\x62'
seed text_table_fuzz "$db/ger/MerchandiseColour.txt" '\x61'
seed text_table_fuzz "$db/ger/faceIDs.txt" '\x07'
seed text_table_fuzz "$db/ger/LeagueSystem.txt" '\x06'
seed text_table_fuzz "$db/ger/formation.txt" '\x02'
seed text_table_fuzz "$db/ger/ClubIDs.txt" '\x06'
for file in "$db"/*Names.txt; do
    seed text_table_fuzz "$file" '\x80'
done
seed cup_alloc_fuzz "$demo/script/CupAlloc.txt"
for file in "$demo"/script/{EuropeanCup,SouthAmCup,QualiEC,WC}.txt; do
    seed international_fuzz "$file"
done
seed archive_fuzz "$demo/database.tdb"
seed master_file_fuzz "$demo/master.dat" '\x00'
seed change_package_fuzz "$demo/changes.kwp"
printf '{"format": "kickwerk-change-package", "version": 1, "changes": []}\n' >"$build/seed.kwp"
seed change_package_fuzz "$build/seed.kwp"
rm -f "$build/seed.kwp"
# A header and a few rows or entries: whole files would only slow the mutations down.
head_seed() {
    head -n "$3" "$2" >"$build/seed.part"
    seed "$1" "$build/seed.part" "${4:-}"
}
for file in "$demo"/*.csv; do
    head_seed csv_import_fuzz "$file" 4
done
head_seed rakel_lists_fuzz "$db/rakel/RakelClubs.txt" 20 '\x00'
head_seed rakel_lists_fuzz "$db/rakel/RakelPlayers.txt" 20 '\x01'
head_seed rakel_lists_fuzz "$db/rakel/RakelFaces.txt" 20 '\x02'
head_seed rakel_lists_fuzz "$db/rakel/RakelPS2Faces.txt" 20 '\x03'
rm -f "$build/seed.part"
# The commit record: the one a commit writes, whole (cut after its last byte) and cut short.
printf '\x01\xff\xff' >"$build/seed.commit"
seed commit_record_fuzz "$build/seed.commit"
printf '\x01\x30\x00' >"$build/seed.commit"
seed commit_record_fuzz "$build/seed.commit"
printf '\x00KW06 COMMIT 1\n3 Country1.sav.tmp-abc123 Country1.sav\nEND 1 0000000000000000\n' \
    >"$build/seed.commit"
seed commit_record_fuzz "$build/seed.commit"
rm -f "$build/seed.commit"
for file in "$db"/Country*.sav; do
    seed packed_codec_fuzz "$file"
    break
done
seed packed_codec_fuzz "$db/Rules.sav"
for file in $(find "$demo" -iname '*.big' | head -n 4); do
    seed big_fuzz "$file"
done
for file in $(find "$demo" -iname '*.tga' | head -n 8); do
    seed tga_fuzz "$file"
done
# The demo has no BMP badges: the TGA seeds converted stand in for them.
for file in $(find "$demo" -iname '*.tga' | head -n 8); do
    "$build/kwtool" tga2bmp "$file" "$build/seed.bmp" >/dev/null
    seed bmp_fuzz "$build/seed.bmp"
done
rm -f "$build/seed.bmp"
shopt -u nullglob nocaseglob

# --- runs: the smoke run only replays the seeds; a long run adds what it finds to the corpus.
run() {
    local target="$1"
    local findings="$build/findings/$target"
    mkdir -p "$findings" "$corpus/$target"
    local limits=(-rss_limit_mb=2048 -timeout=20 -artifact_prefix="$findings/")
    local log="$findings/run.log"
    local status=0
    if ((smoke)); then
        "$build/fuzz/$target" "${limits[@]}" -runs=0 "$corpus/$target" >"$log" 2>&1 || status=$?
    else
        "$build/fuzz/$target" "${limits[@]}" -max_total_time="$seconds" -print_final_stats=1 \
            "$corpus/$target" >"$log" 2>&1 || status=$?
    fi
    local executions
    executions="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' ||
        grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' || true)"
    if ((status != 0)); then
        echo "$target: FAILED (status $status), see $log"
        return 1
    fi
    echo "$target: ok, ${executions:-?} executions"
}
export -f run
export build corpus smoke seconds

failed=0
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run {}' || failed=1
exit "$failed"
