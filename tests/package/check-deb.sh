#!/bin/sh
# Checks the Debian package end to end: builds it with cpack, installs it on this machine with
# apt-get (which fetches what it depends on), starts the installed game from an unrelated folder
# under Xvfb, checks what the window shows against the installed sprite sheet, and removes the
# package again. Needs root, Xvfb, xdotool and ImageMagick; takes under a minute when the
# dependencies are already present.
#
# Usage: tests/package/check-deb.sh BUILD_DIR    (a configured build folder; the game is built first)
# The screenshot is left in BUILD_DIR/package-check.png.
set -eu

build=$(cd "${1:?usage: tests/package/check-deb.sh BUILD_DIR}" && pwd)
passed=0
failed=0
installed_here=""
xvfb_pid=""
game_pid=""
work=$(mktemp -d)

ok() { passed=$((passed + 1)); echo "ok: $*"; }
bad() { failed=$((failed + 1)); echo "FAILED: $*"; }
check() { # description, command...
    what=$1
    shift
    if "$@" >/dev/null 2>&1; then ok "$what"; else bad "$what"; fi
}

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$installed_here" ] && DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vantel >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

if dpkg-query -W -f='${Status}' vantel 2>/dev/null | grep -q "install ok installed"; then
    echo "vantel is installed on this machine already; remove it first (apt-get remove vantel)" >&2
    exit 2
fi

echo "== building the package"
cmake --build "$build" --target vantel >/dev/null
rm -f "$build"/vantel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vantel_*.deb)
echo "$deb"

echo "== installing it"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
installed_here=yes
app=/usr/lib/vantel
id=com.tarnwick.Vantel
for f in /usr/bin/vantel $app/vantel $app/Vantel.html $app/images/vantel6.bmp $app/images/vantel6@2x.bmp \
         /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml; do
    check "installed $f" test -e "$f"
done
for n in 16 24 32 48 64 128 256; do
    check "icon ${n}x${n}" test -s "/usr/share/icons/hicolor/${n}x${n}/apps/vantel.png"
done
check "vantel is on the PATH" sh -c '[ "$(command -v vantel)" = /usr/bin/vantel ]'
if command -v appstreamcli >/dev/null 2>&1; then
    check "AppStream metadata valid" appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
    check "desktop entry valid" desktop-file-validate /usr/share/applications/$id.desktop
fi

echo "== starting the installed game under Xvfb"
n=120
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1700x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
i=0
while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
# From a folder that holds nothing of the game, on a desktop that asks for the GTK look.
mkdir -p "$work/elsewhere" "$work/data"
(cd "$work/elsewhere" && XDG_DATA_HOME="$work/data" XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORM=xcb \
    exec vantel >"$work/game.log" 2>&1) &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantel$' | head -1 || true)
if [ -z "$window" ]; then
    bad "the window appears"
    cat "$work/game.log"
else
    ok "the window appears"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$build/package-check.png"
    echo "screenshot: $build/package-check.png (${WIDTH}x${HEIGHT})"
    sheet=$app/images/vantel6.bmp
    pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
    # The first SHAPES tray chip (the star, cell 2,2) and the bottom frame bar of the SHAPES board
    # (open style, cell 464,70), copied unscaled from the installed sheet.
    check "tray chip painted from the installed sheet" \
        [ "$(pixel "$build/package-check.png" 73 758)" = "$(pixel "$sheet" 34 34)" ]
    check "frame bar painted from the installed sheet" \
        [ "$(pixel "$build/package-check.png" 111 795)" = "$(pixel "$sheet" 564 72)" ]
    check "window is the board's size (1571x809)" [ "${WIDTH}x${HEIGHT}" = 1571x809 ]
    check "no GTK platform theme loaded on a GNOME desktop" sh -c "! grep -q libqgtk3 /proc/$game_pid/maps"
    check "the game runs from the installed folder" \
        sh -c "readlink /proc/$game_pid/exe | grep -qx $app/vantel"
fi
kill "$game_pid" 2>/dev/null || true
game_pid=""

echo "== removing it"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vantel >/dev/null
installed_here=""
check "removed: no /usr/bin/vantel" test ! -e /usr/bin/vantel
check "removed: no /usr/lib/vantel" test ! -e /usr/lib/vantel

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
