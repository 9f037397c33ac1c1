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
         master_file_fuzz)
if (($#)); then
    targets=("$@")
fi

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKW_BUILD_GUI=OFF -DKW_BUILD_BENCH=OFF \
    -DKW_SANITIZE=ON >/dev/null
ninja -C "$build" -j"$jobs" kwtool "${targets[@]}"

# --- seeds: a small demo installation with an archive and a master file of its database.
demo="$build/fuzz-demo"
corpus="$build/corpus"
if [[ ! -d "$demo/database" ]]; then
    rm -rf "$demo"
    "$build/kwtool" gen-demo --scale small "$demo" >/dev/null
    "$build/kwtool" --install "$demo" archive export "$demo/database" "$demo/database.tdb" \
        >/dev/null
    "$build/kwtool" --install "$demo" master "$demo/database" "$demo/master.dat" >/dev/null
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
