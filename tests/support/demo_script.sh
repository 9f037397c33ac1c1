# The start the kwtool scripts share, sourced by a script whose first two arguments are kwtool and
# a folder it may empty (`kwtool`, `work`): `fail` reports and shows what the commands wrote,
# `install` is a fresh small demo installation with its database `db`, and `tool` runs kwtool on it.
kwtool=$1
work=$2

fail() {
    echo "FAIL: $*" >&2
    for file in "$work"/*.out "$work"/*.err; do
        [ -f "$file" ] && { echo "--- $file" >&2; cat "$file" >&2; }
    done
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
install="$work/install"
"$kwtool" gen-demo "$install" --scale small >/dev/null || fail "gen-demo failed"
db="$install/database"
tool() { "$kwtool" --install "$install" "$@"; }
