#!/bin/sh
# The real game under valgrind's memcheck on a virtual X display: a round played through the real
# window with the real pointer, the window closed with Esc (the quit question answered), and
# memcheck's verdict read back.
# Usage: tests/hardening/valgrind-round.sh [build folder]   (after the build folder is built)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
logs="$build/valgrind"
rm -rf "$logs"
mkdir -p "$logs"

# The driver starts this in place of the game. Leaks are not errors here: Qt and the X libraries
# keep memory until the process ends. Libraries' own known reports are suppressed in valgrind.supp.
cat > "$logs/vantel-under-valgrind" <<WRAPPER
#!/bin/sh
exec valgrind --tool=memcheck --errors-for-leak-kinds=none --leak-check=summary \\
    --child-silent-after-fork=yes --num-callers=40 --suppressions="$here/valgrind.supp" \\
    --log-file="$logs/memcheck.%p.log" "$build/bin/vantel"
WRAPPER
chmod +x "$logs/vantel-under-valgrind"

VANTEL_VALGRIND_LOGS="$logs" "$build/tests/hardening/valgrind_round"
