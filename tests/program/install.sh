#!/usr/bin/env bash
# The install: `cmake --install` puts exactly the program, its desktop entry,
# its icons and the licences under the prefix; cpack makes a Debian package of
# the same files for /usr without leaving anything in the build folder; the
# packaged program, installed with dpkg when run as root (unpacked into a
# scratch root otherwise, or with Q5_INSTALL_TEST_UNPACK=1), starts, is told
# through its own menu to start at login, and records its installed path in
# the autostart entry; `dpkg -r` takes every file away again.
#   install.sh <app binary> <build dir>
set -euo pipefail
app=$1
build=$(cd "$2" && pwd)

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
touch "$work/app.log"
pid="" installed=0
manifest=$build/install_manifest.txt
[ -e "$manifest" ] && cp -p "$manifest" "$work/manifest.saved"
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    wait 2>/dev/null || true
    if [ "$installed" = 1 ]; then dpkg -r q5-control-panel >/dev/null 2>&1 || true; fi
    # Installing writes its manifest into the build folder; leave it as it was.
    if [ -e "$work/manifest.saved" ]; then cp -p "$work/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/lib/x11-checks.bash"

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
resources=$(cache_value Q5_RESOURCE_DIR)
sources=$(cache_value CMAKE_HOME_DIRECTORY)
version=$(cache_value CMAKE_PROJECT_VERSION)
[ -d "$resources" ] && [ -n "$version" ] || fail "cannot read the resource folder and version from $build/CMakeCache.txt"

id=com.velmora.q5controlpanel
sizes=(16 22 24 32 48 64 128 256)
expected_files() {
    echo bin/q5-control-panel
    echo share/applications/$id.desktop
    for n in "${sizes[@]}"; do echo "share/icons/hicolor/${n}x$n/apps/$id.png"; done
    echo share/doc/q5-control-panel/LICENSE
    echo share/doc/q5-control-panel/font_Display.LICENSE.txt
    echo share/doc/q5-control-panel/font_Menu.LICENSE.txt
}

entry_value() { # file key: the key's value in the [Desktop Entry] group
    awk -v key="$2" '/^\[/ { group = $0; next }
        group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$1"
}

check_entry() { # file program: the desktop entry of the program at that path
    local file=$1 key want
    [ -f "$file" ] || fail "no desktop entry $file"
    while IFS='|' read -r key want; do
        [ "$(entry_value "$file" "$key")" = "$want" ] || fail "$file: $key is '$(entry_value "$file" "$key")', not '$want'"
    done <<EOF
Type|Application
Name|Q5 Control Panel
Exec|$2
Icon|$id
Categories|Audio;AudioVideo;
Terminal|false
EOF
    [ -n "$(entry_value "$file" Comment)" ] || fail "$file: no Comment"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$file" >"$work/validate.log" 2>&1 || fail "$file is not a valid desktop entry: $(cat "$work/validate.log")"
    fi
}

# --- cmake --install into a scratch prefix
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || fail "cmake --install failed: $(cat "$work/install.log")"
diff <(expected_files | LC_ALL=C sort) <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$work/files.diff" \
    || fail "installed files differ from the expected ones (< missing, > extra): $(cat "$work/files.diff")"

[ -x "$prefix/bin/q5-control-panel" ] || fail "bin/q5-control-panel is not executable"
cmp -s "$app" "$prefix/bin/q5-control-panel" || fail "bin/q5-control-panel is not the built program"
check_entry "$prefix/share/applications/$id.desktop" "$prefix/bin/q5-control-panel"

for n in "${sizes[@]}"; do
    icon=$prefix/share/icons/hicolor/${n}x$n/apps/$id.png
    got=$(identify -format '%m %wx%h' "$icon" 2>&1) || fail "${n}x$n icon does not load: $got"
    [ "$got" = "PNG ${n}x$n" ] || fail "${n}x$n icon is '$got'"
done
differing=$(compare -metric AE "$prefix/share/icons/hicolor/32x32/apps/$id.png" "$resources/img_TrayIcon.png" null: 2>&1) || true
[ "$differing" = 0 ] || fail "the 32 px icon is not the tray icon: $differing pixels differ"

for f in "$sources/LICENSE" "$resources/font_Display.LICENSE.txt" "$resources/font_Menu.LICENSE.txt"; do
    cmp -s "$f" "$prefix/share/doc/q5-control-panel/$(basename "$f")" || fail "share/doc/q5-control-panel/$(basename "$f") is not $f"
done

# --- the Debian package, made outside the build folder
[ -f "$build/CPackConfig.cmake" ] || fail "no CPackConfig.cmake in $build"
ls -A "$build" >"$work/build-before"
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 || fail "cpack failed: $(cat "$work/cpack.log")"
ls -A "$build" | diff "$work/build-before" - >/dev/null || fail "cpack left files in $build: $(ls -A "$build" | diff "$work/build-before" - || true)"
debs=("$work"/package/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: $(ls "$work/package")"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = q5-control-panel ] || fail "package name '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "package version '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "package architecture '$(field Architecture)'"
[ "$(field Section)" = sound ] || fail "package section '$(field Section)'"
for f in Maintainer Description; do [ -n "$(field $f)" ] || fail "package has no $f"; done
depends=$(field Depends)
[[ $depends == *libc6* ]] || fail "package dependencies '$depends' do not name the C library"

dpkg-deb -c "$deb" >"$work/contents"
diff <(expected_files | sed 's|^|usr/|' | LC_ALL=C sort) <(awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $6 }' "$work/contents" | LC_ALL=C sort) >"$work/files.diff" \
    || fail "packaged files differ from the expected ones (< missing, > extra): $(cat "$work/files.diff")"
grep -Eq '^-rwxr-xr-x root/root .* \./usr/bin/q5-control-panel$' "$work/contents" || fail "the packaged program is not an executable owned by root: $(grep bin/ "$work/contents")"

# --- install the package, or unpack it where dpkg cannot be used
root=""
if [ "$(id -u)" = 0 ] && [ "${Q5_INSTALL_TEST_UNPACK:-0}" != 1 ] && dpkg --version >/dev/null 2>&1; then
    # One install test at a time on this machine, whatever build it runs from.
    locks=/run/lock
    [ -d "$locks" ] || locks=/tmp
    exec 9>"$locks/q5-control-panel-install-test.lock"
    flock -w 30 9 || fail "another install test has held dpkg for 30 s"
    clash=""
    for f in $(expected_files); do
        if [ -e "/usr/$f" ]; then clash+=" /usr/$f"; fi
    done
    if dpkg-query -W -f='${Status}' q5-control-panel 2>/dev/null | grep -q ' installed$'; then
        echo "a q5-control-panel package is installed on this machine already; not replacing it, unpacking instead"
    elif [ -n "$clash" ]; then
        echo "files of the package exist on this machine already:$clash; not overwriting them, unpacking instead"
    else
        installed=1
        for _ in $(seq 30); do
            dpkg -i "$deb" >"$work/dpkg.log" 2>&1 && break
            grep -q "lock" "$work/dpkg.log" || fail "dpkg -i failed: $(cat "$work/dpkg.log")"
            sleep 1
        done
        dpkg-query -W -f='${Status}' q5-control-panel | grep -q 'ok installed$' || fail "dpkg -i did not install the package: $(cat "$work/dpkg.log")"
        dpkg -V q5-control-panel >"$work/verify.log" 2>&1 || fail "installed files do not match the package: $(cat "$work/verify.log")"
        [ -z "$(cat "$work/verify.log")" ] || fail "installed files do not match the package: $(cat "$work/verify.log")"
        root=/
    fi
fi
if [ -z "$root" ]; then
    root=$work/root
    dpkg-deb -x "$deb" "$root"
fi
program=${root%/}/usr/bin/q5-control-panel
[ -x "$program" ] || fail "no program at $program"
# The packaged entry names the program where the package puts it.
check_entry "${root%/}/usr/share/applications/$id.desktop" /usr/bin/q5-control-panel

# --- the installed program, started by name from another folder, as from a
# shell: the login item must still name the installed file
mkdir -p "$work/elsewhere"
(cd "$work/elsewhere" && PATH="$(dirname "$program"):$PATH" exec q5-control-panel) >"$work/app.log" 2>&1 &
pid=$!

main=""
find_main() {
    local w
    for w in $(xdotool search --pid "$pid" 2>/dev/null || true); do
        [ "$(attr "$w" Width)" = 580 ] && viewable "$w" && main=$w && return 0
    done
    return 1
}
within 20000 find_main || fail "the installed program showed no panel window"

menus() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
        [ "$w" != "$main" ] && echo "$w"
    done
    return 0
}
menu_shown() { [ -n "$(menus)" ]; }

# The gear drops the settings menu; its one item switches starting at login.
xdotool mousemove --window "$main" 422 62
sleep 0.15
xdotool click 1
within 3000 menu_shown || fail "the gear showed no menu"
menu=$(menus | head -1)
xdotool mousemove $(($(attr "$menu" "Absolute upper-left X") + $(attr "$menu" Width) / 2)) \
    $(($(attr "$menu" "Absolute upper-left Y") + $(attr "$menu" Height) / 2))
# The menu ignores a release within its first quarter second.
sleep 0.4
xdotool mousedown 1
sleep 0.1
xdotool mouseup 1

# The Exec value the program writes: quoted, with \ " ` $ escaped, % doubled,
# then every backslash doubled once more.
exec_value() {
    local p=$1
    p=${p//\\/\\\\}; p=${p//\"/\\\"}; p=${p//\`/\\\`}; p=${p//\$/\\\$}; p=${p//%/%%}
    p="\"$p\""
    printf '%s' "${p//\\/\\\\}"
}
autostart=$XDG_CONFIG_HOME/autostart/$id.desktop
written() { [ -f "$autostart" ] && [ -n "$(entry_value "$autostart" Exec)" ]; }
within 5000 written || fail "no autostart entry $autostart after choosing the menu item"
[ "$(entry_value "$autostart" Exec)" = "$(exec_value "$program")" ] \
    || fail "autostart Exec is '$(entry_value "$autostart" Exec)', not '$(exec_value "$program")'"
[ "$(entry_value "$autostart" Name)" = "Q5 Control Panel" ] || fail "autostart entry named '$(entry_value "$autostart" Name)'"

# --- asked to quit by the window manager (openbox closes on Alt+F4)
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
ended() { ! kill -0 "$pid" 2>/dev/null; }
within 10000 ended || fail "the installed program is still running after the close request"
set +e
wait "$pid"
status=$?
set -e
pid=""
[ "$status" = 0 ] || fail "the installed program exited with $status"
if grep -q "JUCE Assertion failure\|Leaked objects" "$work/app.log"; then fail "the framework reported a fault"; fi

# --- removing the package takes its files away
if [ "$installed" = 1 ]; then
    dpkg -r q5-control-panel >"$work/dpkg.log" 2>&1 || fail "dpkg -r failed: $(cat "$work/dpkg.log")"
    installed=0
    for f in $(expected_files); do [ ! -e "/usr/$f" ] || fail "/usr/$f is still there after dpkg -r"; done
    [ ! -e /usr/share/doc/q5-control-panel ] || fail "/usr/share/doc/q5-control-panel is still there after dpkg -r"
    ! dpkg-query -W -f='${Status}' q5-control-panel 2>/dev/null | grep -q ' installed$' || fail "the package is still installed"
    echo "install: ok (installed with dpkg, removed again)"
else
    echo "install: ok (package unpacked into a scratch root)"
fi
