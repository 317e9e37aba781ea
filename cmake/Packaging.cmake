# The Debian package: dpkg-shlibdeps works out the libraries it depends on;
# a Chinese font, Qt's Chinese texts and the fcitx5 frontend are recommended.
# (Qt's ibus frontend ships inside libqt6gui6, which it depends on anyway.)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavelin")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write a ranking of the twelve zodiac signs as one line of text")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavelin is a small desktop tool with a Simplified Chinese interface. Type the title of a ranking list, pick a sign for each of the twelve places and it writes the ranking as one line of text, ready to copy.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tavelin developers")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 and Wayland platform plugins are loaded at run time, out of sight
# of dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n, fcitx5-frontend-qt6")
set(CPACK_STRIP_FILES ON)
include(CPack)
