#!/usr/bin/env bash
# cmake --install into a system-style prefix, a staging DESTDIR and a per-user
# prefix (~/.local of a private HOME): every file in its place, the desktop entry
# and the AppStream metainfo valid (every screenshot it names kept in
# data/screenshots at the size it states), the file types known to shared-mime-info
# and opened by the program's desktop entry, and the installed program starting,
# keeping its own files in the per-user data folder and ending cleanly on SIGTERM.
# Usage: tst_install.sh <build dir> <source dir>
set -euo pipefail
build=$1
source=$2
id=org.qbkromi.QBKromi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program starts with a clean environment but the sanitizer build's options.
sanitizer_options=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -z "${!name:-}" ] || sanitizer_options+=("$name=${!name}")
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

check_files() {
    local prefix=$1
    for file in bin/qbkromi share/qbkromi/set.set share/qbkromi/help/qbkromi-help.html \
        share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
        share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml; do
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

# Every screenshot the metainfo names (by the file name at the end of its address)
# is kept in data/screenshots at the width and height the metainfo gives.
check_screenshots() {
    local metainfo=$source/data/desktop/$id.metainfo.xml count=0 line width height file
    while read -r line; do
        width=$(sed -E 's/.*width="([0-9]+)".*/\1/' <<<"$line")
        height=$(sed -E 's/.*height="([0-9]+)".*/\1/' <<<"$line")
        file=$(sed -E 's|.*/([^/<]+)</image>.*|\1|' <<<"$line")
        [ -f "$source/data/screenshots/$file" ] || fail "screenshot $file is not in data/screenshots"
        [ "$(identify -format '%w %h' "$source/data/screenshots/$file")" = "$width $height" ] ||
            fail "screenshot $file is not $width x $height"
        count=$((count + 1))
    done < <(grep '<image' "$metainfo")
    [ $count -gt 0 ] || fail "the metainfo names no screenshot"
}

# The installed file types as a desktop sees them (no desktop session, so xdg-mime
# asks shared-mime-info and the desktop entries' MimeType): each sample file has
# its type, a LaTeX class stays one, and the program opens the lists and palettes.
check_file_types() {
    local share=$1/share samples=$work/samples
    local -a desktop=(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION
        -u GNOME_DESKTOP_SESSION_ID XDG_DATA_DIRS="$share:/usr/share"
        XDG_DATA_HOME="$work/no-user-data" XDG_CONFIG_HOME="$work/no-user-config")
    local output
    output=$("${desktop[@]}" update-mime-database "$share/mime" 2>&1) || fail "update-mime-database: $output"
    [ -z "$output" ] || fail "update-mime-database: $output"
    update-desktop-database "$share/applications" || fail "update-desktop-database"
    mkdir -p "$samples"
    printf '6,167,255             #06A7FF - FFA706\r\n' >"$samples/list.cll"
    printf 'sc1=clRed\r\nbackground=16777215\r\n' >"$samples/scheme.shm"
    printf '; QB Kromi Web Test Style\r\nheader.colour=$0085E0C8\r\n' >"$samples/style.cls"
    printf '%%%% A LaTeX class\n\\NeedsTeXFormat{LaTeX2e}\n' >"$samples/article.cls"
    printf 'GIMP Palette\nName: Sample\n6 167 255 Blue\n' >"$samples/palette.gpl"
    local sample type
    for sample in list.cll=application/x-qbkromi-color-list \
        scheme.shm=application/x-qbkromi-scheme style.cls=application/x-qbkromi-web-style \
        article.cls=text/x-tex palette.gpl=application/x-gimp-palette; do
        type=$("${desktop[@]}" xdg-mime query filetype "$samples/${sample%%=*}")
        [ "$type" = "${sample#*=}" ] || fail "${sample%%=*} is $type, not ${sample#*=}"
    done
    for type in application/x-qbkromi-color-list application/x-gimp-palette; do
        [ "$("${desktop[@]}" xdg-mime query default "$type")" = "$id.desktop" ] ||
            fail "the desktop entry does not open $type"
    done
    grep -q '^Exec=qbkromi %f$' "$share/applications/$id.desktop" || fail "Exec takes no file"
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
    env -i "${sanitizer_options[@]}" PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=offscreen "$prefix/bin/qbkromi" >"$home/output.log" 2>&1 &
    local pid=$! waited=0
    until is_ready "$home/.local/share/QB Kromi/"; do
        kill -0 $pid 2>/dev/null || fail "the program ended at start-up: $(cat "$home/output.log")"
        ((waited++ < 300)) || { kill -KILL $pid; fail "the program did not start in 30 s"; }
        sleep 0.1
    done
    kill -0 $pid 2>/dev/null || fail "the program ended on its own: $(cat "$home/output.log")"
    # "Open with" from a file manager: the desktop entry's command with the file, which
    # hands it to the running copy; that copy loads it and records it as recent.
    local exec list=$home/Opened.cll
    printf '6,167,255             #06A7FF - FFA706\r\n' >"$list"
    exec=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
    env -i "${sanitizer_options[@]}" PATH="$prefix/bin:/usr/bin:/bin" HOME="$home" \
        XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=offscreen ${exec/\%f/$list} >>"$home/output.log" 2>&1 ||
        fail "opening a list through the desktop entry: $(cat "$home/output.log")"
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
    tr -d '\r' <"$home/.local/share/QB Kromi/colorlist.cl1" | grep -qxF "$list" ||
        fail "the list opened through the desktop entry was not loaded"
    [ "$(ls -A "$prefix/bin")" = qbkromi ] || fail "the program wrote into $prefix/bin"
    cmp -s "$prefix/share/qbkromi/set.set" "$source/data/set.set" ||
        fail "the program changed its delivered settings"
}

echo "== system prefix"
cmake --install "$build" --prefix "$work/usr" >/dev/null
check_files "$work/usr"
validate "$work/usr"
check_screenshots
check_file_types "$work/usr"
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
check_file_types "$home/.local"
run_program "$home/.local" "$home"
echo "all install checks passed"
