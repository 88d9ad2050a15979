#!/usr/bin/env bash
# cmake --install into a system-style prefix, a staging DESTDIR and a per-user
# prefix (~/.local of a private HOME): every file in its place, the desktop entry
# and the AppStream metainfo valid, and the installed program starting, keeping
# its own files in the per-user data folder and ending cleanly on SIGTERM.
# Usage: tst_install.sh <build dir> <source dir>
set -euo pipefail
build=$1
source=$2
id=org.qbkromi.QBKromi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

check_files() {
    local prefix=$1
    for file in bin/qbkromi share/qbkromi/set.set share/qbkromi/help/qbkromi-help.html \
        share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
        share/metainfo/$id.metainfo.xml; do
        [ -f "$prefix/$file" ] || fail "$prefix/$file is missing"
    done
    [ -x "$prefix/bin/qbkromi" ] || fail "$prefix/bin/qbkromi is not executable"
    [ "$(ls -A "$prefix/bin")" = qbkromi ] || fail "$prefix/bin holds more than the program"
    cmp -s "$prefix/share/qbkromi/set.set" "$source/data/set.set" ||
        fail "$prefix/share/qbkromi/set.set differs from the delivered one"
}

validate() {
    local prefix=$1
    desktop-file-validate "$prefix/share/applications/$id.desktop" ||
        fail "desktop-file-validate"
    appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
}

# True once the program running for the program folder $1 has finished its
# start-up: it then answers on a local socket named after that folder.
is_ready() {
    local hash
    hash=$(printf '%s' "$1" | sha256sum | cut -c1-24)
    [ -S "/tmp/qbkromi-$hash" ]
}

# Starts the installed program offscreen with the private HOME, waits until its
# start-up has finished, ends it with SIGTERM and checks what it wrote where.
run_program() {
    local prefix=$1 home=$2
    mkdir -p "$home/run"
    chmod 700 "$home/run"
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=offscreen "$prefix/bin/qbkromi" >"$home/output.log" 2>&1 &
    local pid=$! waited=0
    until is_ready "$home/.local/share/QB Kromi/"; do
        kill -0 $pid 2>/dev/null || fail "the program ended at start-up: $(cat "$home/output.log")"
        ((waited++ < 300)) || { kill -KILL $pid; fail "the program did not start in 30 s"; }
        sleep 0.1
    done
    kill -0 $pid 2>/dev/null || fail "the program ended on its own: $(cat "$home/output.log")"
    kill -TERM $pid
    waited=0
    while kill -0 $pid 2>/dev/null; do
        ((waited++ < 100)) || { kill -KILL $pid; fail "the program did not end on SIGTERM"; }
        sleep 0.1
    done
    local status=0
    wait $pid || status=$?
    [ $status -eq 0 ] || fail "the program ended with status $status: $(cat "$home/output.log")"
    ! grep -qi "error\|cannot" "$home/output.log" || fail "the program reported: $(cat "$home/output.log")"

    local settings="$home/.local/share/QB Kromi/set.set"
    [ -f "$settings" ] || fail "no settings in the per-user data folder"
    grep -q "^help=help/qbkromi-help.html" "$settings" || fail "per-user settings not seeded"
    grep -q "^1.left=" "$settings" || fail "settings not written at exit"
    [ "$(ls -A "$prefix/bin")" = qbkromi ] || fail "the program wrote into $prefix/bin"
    cmp -s "$prefix/share/qbkromi/set.set" "$source/data/set.set" ||
        fail "the program changed its delivered settings"
}

echo "== system prefix"
cmake --install "$build" --prefix "$work/usr" >/dev/null
check_files "$work/usr"
validate "$work/usr"
run_program "$work/usr" "$work/home-system"

echo "== staging DESTDIR for prefix /usr"
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
check_files "$work/stage/usr"

echo "== per-user prefix"
home="$work/home"
mkdir -p "$home"
HOME="$home" cmake --install "$build" --prefix "$home/.local" >/dev/null
check_files "$home/.local"
validate "$home/.local"
run_program "$home/.local" "$home"
echo "all install checks passed"
