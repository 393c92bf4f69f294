# The Debian package, built by `cpack -G DEB` in a build folder. The libraries the game links are
# found by dpkg-shlibdeps; Qt's X11 platform plug-in is loaded at run time, not linked, and Debian
# only recommends it, so it is named outright. Install tree: app/ and packaging/CMakeLists.txt.
set(CPACK_PACKAGE_NAME vantel)
set(CPACK_PACKAGE_VENDOR "Tarnwick Software")
set(CPACK_PACKAGE_CONTACT "Vantel developers <vantel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking puzzle game of chips, shapes and colours")
# Lines under 80 columns, as Debian asks.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Each round hides a code of four chips drawn from 36 chips of six shapes"
    "and six colours. Break it twice over, on two boards side by side: the"
    "shapes on the SHAPES board, the colours on the COLORS board. Every guess"
    "costs a point; lower totals are better.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Wayland desktops (GNOME, KDE) run the game natively with Qt's Wayland plug-in; without it Qt
# warns at every start and goes through XWayland. Qt's own words (the standard buttons of its
# dialogs) come in the player's language from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-wayland, qt6-translations-l10n")
include(CPack)
