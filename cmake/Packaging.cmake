# The Debian package. dpkg-shlibdeps works out the libraries it depends on;
# libqt6gui6 among them brings the X11 platform plugin and Qt's ibus
# frontend. Recommended: a Chinese font, Qt's Chinese texts, the fcitx5
# frontend and the Wayland platform plugin.
set(TAVELIN_PACKAGE_CONTACT "" CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavelin")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write a ranking of the twelve zodiac signs as one line of text")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tavelin is a small desktop tool with a Simplified Chinese interface. Type
the title of a ranking list, pick a sign for each of the twelve places and
it writes the ranking as one line of text, ready to copy.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVELIN_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n, fcitx5-frontend-qt6, qt6-wayland")
set(CPACK_STRIP_FILES ON)

set(doc_dir ${CMAKE_CURRENT_BINARY_DIR}/package-doc)

# The copyright file in Debian's machine-readable format, around LICENSE.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE license_lines)
set(copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Tavelin

Files: *
Copyright: 2026 The Tavelin developers
License: Expat\n")
foreach(line IN LISTS license_lines)
    if(line STREQUAL "")
        set(line ".")
    endif()
    string(APPEND copyright " ${line}\n")
endforeach()
file(WRITE ${doc_dir}/copyright "${copyright}")

# changelog.gz in Debian's format, from CHANGELOG.md.
list(TRANSFORM TAVELIN_RELEASE_CHANGES PREPEND "  * " REGEX "^[^ ]" OUTPUT_VARIABLE changes)
list(TRANSFORM changes PREPEND "  " REGEX "^  [^*]")
list(JOIN changes "\n" changes)
execute_process(COMMAND date -R -u -d ${TAVELIN_RELEASE_DATE}
    OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE)
set(changelog_author "${TAVELIN_PACKAGE_CONTACT}")
if(NOT changelog_author)
    set(changelog_author "The Tavelin developers")
endif()
file(WRITE ${doc_dir}/changelog
    "tavelin (${PROJECT_VERSION}) unstable; urgency=medium\n\n${changes}\n\n -- ${changelog_author}  ${release_time}\n")

# Manual pages, in English and Simplified Chinese.
foreach(page tavelin.1 zh_CN/tavelin.1)
    configure_file(${PROJECT_SOURCE_DIR}/app/man/${page}.in ${doc_dir}/man/${page} @ONLY)
endforeach()

foreach(file changelog man/tavelin.1 man/zh_CN/tavelin.1)
    execute_process(COMMAND gzip -9nf ${doc_dir}/${file})
endforeach()

include(GNUInstallDirs)
install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tavelin)
install(FILES ${doc_dir}/man/tavelin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${doc_dir}/man/zh_CN/tavelin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)

include(CPack)
