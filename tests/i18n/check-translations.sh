#!/bin/sh
# Fails on any translation that is not finished: a game text, desktop entry, description or manual
# page text without its translation, a translation marked unsure (fuzzy) or left from a text that
# is gone, and an instructions page that lacks a section, a table row or a key of the English one.
# Run from anywhere: tests/i18n/check-translations.sh
set -u
cd "$(dirname "$0")/../.."
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

# The game's texts: each catalogue as the sources would make it now, its old entries kept to be seen.
for catalogue in translations/vantel_*.ts; do
    copy="$work/$(basename "$catalogue")"
    cp "$catalogue" "$copy"
    "$LUPDATE" -silent -locations none app about board -ts "$copy" || fail "$catalogue: lupdate failed"
    python3 - "$copy" "$catalogue" <<'PY' || failed=1
import sys, xml.etree.ElementTree as ET
bad = 0
for message in ET.parse(sys.argv[1]).getroot().iter('message'):
    kind = message.find('translation').get('type')
    if kind in ('unfinished', 'vanished', 'obsolete'):
        print(f"{sys.argv[2]}: {kind}: {message.find('source').text!r}")
        bad = 1
sys.exit(bad)
PY
done

# The package texts: each catalogue merged with the template the sources give now.
./tools/update-translations.sh pot "$work/vantel.pot" || fail "cannot make the package texts' template"
for po in po/*.po; do
    merged="$work/$(basename "$po")"
    msgmerge --quiet --no-fuzzy-matching -o "$merged" "$po" "$work/vantel.pot" || fail "$po: msgmerge failed"
    for kind in untranslated only-fuzzy only-obsolete; do
        left=$(msgattrib --$kind --no-wrap "$merged" | grep '^#\?~\? *msgid ' | grep -v '^msgid ""$')
        [ -z "$left" ] || fail "$po: $kind: $left"
    done
done

# The instructions: every language with a catalogue has its page, with the English page's sections,
# links, table rows and keys.
shape() { grep -o 'id="[^"]*"\|href="[^"]*"\|<tr>\|<kbd>' "$1" | sort | uniq -c; }
shape app/help/Vantel.html > "$work/english"
for catalogue in translations/vantel_*.ts; do
    language=$(basename "$catalogue" .ts | sed 's/^vantel_//')
    page=app/help/$language/Vantel.html
    if [ ! -f "$page" ]; then fail "$page: missing"; continue; fi
    shape "$page" | diff "$work/english" - > "$work/diff" || fail "$page differs from the English page in: $(cat "$work/diff")"
done

[ $failed -eq 0 ] && echo "every translation is finished"
exit $failed
