#!/usr/bin/env bash
# Makes the Debian package from BUILD_DIR (scripts/package.sh, no build) and checks it: the
# distribution's validators pass on it, the unpacked programs run (version, a demo written and read,
# the batch build on a first start), the unpacked editor finds the unpacked renderer plug-in, and
# the manual pages and the bash completion name every command the programs know.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$(cd "${1:?usage: check_package.sh BUILD_DIR}" && pwd)"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")"
app_id=org.kickwerkeditor.KwEdit

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check_package.sh: $*" >&2
    exit 1
}

render_test="$build_dir/tests/ui/ui_tests"
[[ -x "$render_test" ]] || fail "$render_test is not built"
deb="$(bash "$repo/scripts/package.sh" "$build_dir" | tail -n 1)"
[[ -f "$deb" ]] || fail "package.sh printed no package"
echo "== $deb"

root="$work/root"
dpkg -x "$deb" "$root"
echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
echo "== lintian"
lintian --fail-on error,warning --display-info "$deb"

echo "== the unpacked programs"
bin="$root/usr/bin"
# As on a machine where nothing is configured: no installation, no display, fresh user folders.
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_DOCUMENTS_DIR="$work/documents" KW06_NO_SYNC=1
unset KW06_INSTALL_DIR KW06_NO_DEMO DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/elsewhere"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$work/elsewhere"
for program in kwtool kwedit; do
    answer="$("$bin/$program" --version)"
    [[ "$answer" =~ ^$program\ $version( \(git [0-9a-f]+\))?$ ]] ||
        fail "$program --version printed \"$answer\""
    echo "$answer"
done
"$bin/kwtool" gen-demo "$work/demo" --scale small >/dev/null
"$bin/kwtool" check "$work/demo/database" >"$work/check.txt" ||
    fail "kwtool check of the demo failed: $(tail -n 3 "$work/check.txt")"
tail -n 1 "$work/check.txt"

set +e
"$bin/kwedit" -master >"$work/master.out" 2>"$work/master.err"
status=$?
set -e
master="$XDG_DATA_HOME/kwedit/demo/database/Master.dat"
if [[ $status -ne 1 || "$(tail -n 1 "$work/master.out")" != Ready || ! -f "$master" ]]; then
    cat "$work/master.out" "$work/master.err" >&2
    fail "kwedit -master did not build the demo's master file (exit code $status)"
fi
"$bin/kwtool" master --verify "$master"

echo "== the renderer plug-in the unpacked editor finds"
KW_UNPACKED_PROGRAM_FOLDER="$bin" QT_QPA_PLATFORM=offscreen \
    "$render_test" RenderManagerTest installedEditorFindsThePackagedPluginAfterItsOwnFolders

echo "== manual pages and bash completion against the programs"
page() { LC_ALL=C MANWIDTH=200 man -l "$root/usr/share/man/man1/$1.1.gz" 2>/dev/null; }
commands="$("$bin/kwtool" --help | sed -n '/^Subcommands:/,$ s/^  \([a-z0-9-]*\) .*/\1/p')"
[[ -n "$commands" ]] || fail "kwtool --help lists no command"
for command in $commands; do
    page kwtool | grep -Eq "^ {7}$command( |$)" || fail "kwtool(1) does not describe $command"
done
for word in $("$bin/kwedit" --help | sed -n 's/^  \([^ ]*\) .*/\1/p' | sed 's/<dir>$//'); do
    page kwedit | grep -qw -- "$word" || fail "kwedit(1) does not describe $word"
done
completed="$(bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_WORDS=(kwtool "") COMP_CWORD=1 COMP_LINE="kwtool " COMP_POINT=7
    _kwtool kwtool "" kwtool
    printf "%s\n" "${COMPREPLY[@]}"' _ "$root/usr/share/bash-completion/completions/kwtool")"
[[ "$(sort <<<"$completed")" == "$(sort <<<"$commands")" ]] ||
    fail "the bash completion offers \"$(echo $completed)\", kwtool knows \"$(echo $commands)\""

echo "check_package.sh: $deb passed"
