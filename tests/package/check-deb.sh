#!/bin/sh
# Checks the Debian package end to end: builds it with cpack; has lintian, desktop-file-validate and
# `appstreamcli validate --pedantic` find nothing at all to say about it (no error, warning or
# note); installs it with apt-get; starts the installed game from an unrelated folder under Xvfb and
# checks what the window shows against the installed sprite sheet, in English and in German (every
# translation's files are checked as installed); checks that the software-centre
# screenshot is the game's own board; and removes the package again.
#
# Needs root (it installs the package), lintian, desktop-file-utils, appstream, Xvfb, xdotool and
# ImageMagick, all installed by tools/install-deps.sh; without them it exits 77, which CTest counts
# as skipped. One check runs at a time on a machine. About 20 seconds.
#
# Usage: tests/package/check-deb.sh BUILD_DIR    (a configured build folder; what the package needs
# is built first). The window's picture is left in BUILD_DIR/package-check.png.
set -eu

build=$(cd "${1:?usage: tests/package/check-deb.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing the package needs root"
for tool in apt-get dpkg-deb cpack lintian desktop-file-validate appstreamcli Xvfb xdotool import convert compare \
            identify flock; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (tools/install-deps.sh installs it)"
done

# Two checks at once would install and remove the same package under each other.
exec 9>/run/lock/vantel-check-deb.lock
flock 9

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
# description, then a command that must print nothing but its own success line
silent() {
    what=$1
    shift
    "$@" >"$work/said" 2>&1 || true
    if grep -v -e '^✔ Validation was successful\.$' "$work/said" | grep -q .; then
        bad "$what"
        sed 's/^/    /' "$work/said"
    else
        ok "$what"
    fi
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
cmake --build "$build" --target vantel_package_files >/dev/null
rm -f "$build"/vantel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vantel_*.deb)
installed_kib=$(dpkg-deb -f "$deb" Installed-Size)
echo "$deb ($installed_kib KiB installed)"
# What apt tells the player the game takes, under 10 MB.
check "installed size under 10 MB ($installed_kib KiB)" [ "$installed_kib" -lt $((10000000 / 1024)) ]

check "Zstandard's library a dependency (the sharp sheet's cells)" \
    sh -c 'dpkg-deb -f "$1" Depends | grep -qw libzstd1' sh "$deb"
check "Wayland's Qt plug-in recommended" sh -c 'dpkg-deb -f "$1" Recommends | grep -qw qt6-wayland' sh "$deb"

echo "== lintian and the validators"
# lintian warns that root runs it; that line is not about the package.
silent "lintian finds nothing" sh -c 'lintian "$1" 2>&1 | grep -v "^running with root privileges"' sh "$deb"
id=com.tarnwick.vantel
silent "desktop entry valid" desktop-file-validate "$build/packaging/com.tarnwick.Vantel.desktop"
silent "AppStream description valid, pedantically" \
    appstreamcli validate --pedantic --no-net "$build/packaging/$id.metainfo.xml"

echo "== installing it"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
installed_here=yes
app=/usr/lib/vantel
for f in $app/vantel $app/Vantel.html $app/images/vantel6.bmp $app/images/vantel6@2x.png \
         /usr/share/applications/com.tarnwick.Vantel.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/man/man6/vantel.6.gz /usr/share/doc/vantel/changelog.gz \
         /usr/share/doc/vantel/copyright; do
    check "installed $f" test -e "$f"
done
for n in 16 24 32 48 64 128 256; do
    check "icon ${n}x${n}" test -s "/usr/share/icons/hicolor/${n}x${n}/apps/vantel.png"
done
# The sharp sheet's cells are read in place of its PNG only when they are not older than the PNG.
sharp_cells_trusted() { [ -s "$1.cells" ] && [ ! "$1.cells" -ot "$1.png" ]; }
check "installed $app/images/vantel6@2x.cells, as new as the sharp PNG" sharp_cells_trusted "$app/images/vantel6@2x"
# Every translation: its catalogue, its pictures with words, its instructions, its manual page, and
# its words in the desktop entry and the software-centre description.
for lang in de fr; do
    for f in $app/locale/$lang/vantel.qm $app/locale/$lang/Vantel.html $app/locale/$lang/art/label_shapes.png \
             $app/locale/$lang/art/GUESSU@2x.png /usr/share/man/$lang/man6/vantel.6.gz; do
        check "installed $f" test -s "$f"
    done
    check "desktop entry in $lang" grep -q "^Comment\[$lang\]=" /usr/share/applications/com.tarnwick.Vantel.desktop
    check "description in $lang" grep -q "<summary xml:lang=\"$lang\">" /usr/share/metainfo/$id.metainfo.xml
done
check "Qt's own words in every language recommended" \
    sh -c 'dpkg-deb -f "$1" Recommends | grep -qw qt6-translations-l10n' sh "$deb"
check "the vantel command is a game, in /usr/games" test -x /usr/games/vantel
check "nothing in /usr/bin" test ! -e /usr/bin/vantel

echo "== starting the installed game under Xvfb"
n=120
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1700x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
i=0
while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
# From a folder that holds nothing of the game, on a desktop that asks for the GTK look, with the
# games folder on the PATH as a desktop session has it.
mkdir -p "$work/elsewhere" "$work/data"
(cd "$work/elsewhere" && PATH="/usr/games:$PATH" XDG_DATA_HOME="$work/data" \
    XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORM=xcb exec vantel >"$work/game.log" 2>&1) &
game_pid=$!
sheet=$app/images/vantel6.bmp
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# The first SHAPES tray chip (the star, cell 2,2) and the bottom frame bar of the SHAPES board
# (cell 464,70 while the board is open, 464,77 once closed) are copied unscaled from the sheet.
painted_from_sheet() { # picture of the window, its name, the frame bar's row in the sheet
    check "$2: tray chip painted from the installed sheet" \
        [ "$(pixel "$1" 73 758)" = "$(pixel "$sheet" 34 34)" ]
    check "$2: frame bar painted from the installed sheet" \
        [ "$(pixel "$1" 111 795)" = "$(pixel "$sheet" 564 "$3")" ]
}
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
    painted_from_sheet "$build/package-check.png" window 72
    check "window is the board's size (1571x809)" [ "${WIDTH}x${HEIGHT}" = 1571x809 ]
    check "no GTK platform theme loaded on a GNOME desktop" sh -c "! grep -q libqgtk3 /proc/$game_pid/maps"
    check "the game runs from the installed folder" \
        sh -c "readlink /proc/$game_pid/exe | grep -qx $app/vantel"
fi
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""

# In German, the caption over the left board is the installed German picture.
(cd "$work/elsewhere" && PATH="/usr/games:$PATH" XDG_DATA_HOME="$work/data" LANGUAGE=de LC_ALL=de_DE.UTF-8 \
    QT_QPA_PLATFORM=xcb exec vantel >"$work/game.log" 2>&1) &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Vantel$' | head -1 || true)
if [ -n "$window" ]; then
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "123x25+$((X + 54))+$((Y + 36))" +repage "$work/caption.png"
    check "in German, the caption over the SHAPES board is the German picture" \
        [ "$(compare -metric AE "$work/caption.png" $app/locale/de/art/label_shapes.png null: 2>&1)" = 0 ]
else
    bad "the window appears in German"
fi
kill "$game_pid" 2>/dev/null || true
game_pid=""

echo "== the software-centre screenshot"
shot=$build/packaging/board.png
declared() { grep -o "$1=\"[0-9]*\"" /usr/share/metainfo/$id.metainfo.xml | tr -dc 0-9; }
size="$(declared width)x$(declared height)"
check "the screenshot has the size the description gives ($size)" \
    [ "$(identify -format '%wx%h' "$shot")" = "$size" ]
painted_from_sheet "$shot" "screenshot (SHAPES solved)" 79

echo "== removing it"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vantel >/dev/null
installed_here=""
check "removed: no /usr/games/vantel" test ! -e /usr/games/vantel
check "removed: no /usr/lib/vantel" test ! -e /usr/lib/vantel

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
