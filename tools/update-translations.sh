#!/bin/sh
# Brings every translation up to date with the sources, for translators to take from there:
#   translations/vantel_LANG.ts  the game's texts (Qt Linguist catalogues), from app/, about/, board/
#   po/vantel.pot, po/LANG.po    the desktop entry, the software-centre description and the manual page
# New texts come in unfinished, texts no longer in the sources are dropped. To start a language,
# create translations/vantel_LANG.ts with `lupdate -target-language LANG` or copy po/vantel.pot to
# po/LANG.po, then run this.
#
#   tools/update-translations.sh            update the files in place
#   tools/update-translations.sh pot FILE   only write the package texts' template to FILE
set -eu
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}

# The package texts' template: the desktop entry's and the description's texts through gettext's
# own rules for those formats, the manual page through po4a.
write_pot() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # The description's file name tells xgettext its rules; its @...@ fields are filled at build time.
    sed 's/@[A-Z_]*@/x/g' packaging/com.tarnwick.vantel.metainfo.xml.in > "$work/vantel.metainfo.xml"
    xgettext --from-code=UTF-8 --package-name=vantel --msgid-bugs-address=vantel@example.org \
        -L Desktop -k -kGenericName -kComment -kKeywords -o "$work/desktop.pot" packaging/com.tarnwick.Vantel.desktop
    xgettext --from-code=UTF-8 --omit-header -o "$work/metainfo.pot" "$work/vantel.metainfo.xml"
    po4a-updatepo -f man -M UTF-8 -m packaging/vantel.6 -p "$work/man.pot" >/dev/null
    msgcat --use-first -o "$work/all.pot" "$work/desktop.pot" "$work/metainfo.pot" "$work/man.pot"
    # References name the build's temporary copy: point them at the source.
    sed "s|$work/vantel.metainfo.xml|packaging/com.tarnwick.vantel.metainfo.xml.in|g" "$work/all.pot" > "$1"
}

if [ "${1:-}" = pot ]; then
    write_pot "$2"
    exit 0
fi

for catalogue in translations/vantel_*.ts; do
    [ -e "$catalogue" ] || continue
    "$LUPDATE" -silent -locations none -no-obsolete app about board -ts "$catalogue"
done
write_pot po/vantel.pot
for po in po/*.po; do
    [ -e "$po" ] || continue
    msgmerge --quiet --update --backup=none --no-fuzzy-matching "$po" po/vantel.pot
    msgattrib --no-obsolete -o "$po" "$po"
done
