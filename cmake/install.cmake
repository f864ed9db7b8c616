# Installs the game with its desktop entry, icons, software-centre listing,
# manual page, changelog and copyright, and packs them as a Debian package
# (make package). The game's id names the entry, the icons and the listing,
# and the running window carries it too (game_window.cpp).
include(GNUInstallDirs)

install(TARGETS vojtik-rournik RUNTIME DESTINATION games)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  set(icon ${CMAKE_SOURCE_DIR}/assets/pictures/icon-${size}.png)
  if(EXISTS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VR_APP_ID}.png)
  endif()
endforeach()

# The manual page and the changelog go compressed, without a name or a time
# in the gzip header, so that every build gives the same bytes.
set(VR_GZIPPED "")
foreach(pair "vojtik-rournik.6|vojtik-rournik.6.gz" "changelog|changelog.gz")
  string(REPLACE "|" ";" pair ${pair})
  list(GET pair 0 in)
  list(GET pair 1 out)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${out}
                     COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/${in} > ${CMAKE_BINARY_DIR}/packaging/${out}
                     DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${in} VERBATIM)
  list(APPEND VR_GZIPPED ${CMAKE_BINARY_DIR}/packaging/${out})
endforeach()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_target(vr-packaging ALL DEPENDS ${VR_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/vojtik-rournik.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME vojtik-rournik)
set(CPACK_PACKAGE_VENDOR "Studio Rournik")
set(CPACK_PACKAGE_CONTACT "Studio Rournik <hra@rournik.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech pipe-laying puzzle game: save the flooded waterworks")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Terrorists have blown up the pipes of the town waterworks and the whole
world is flooding. Vojtik Rournik, the last plumber who has not left on
holiday, must build new pipelines before the water comes.

In each of the hundred levels, lay pipes from the hole in the floor through
every valve on the board, from the four pieces on offer, before the
countdown runs out and the water starts to flow. Every tenth level a story
screen tells what happens next. The game is in Czech and is played with the
mouse.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.zabavklub.cz/")
# The libraries come from the program itself; the faces from the font packages.
# Liberation 2 is in fonts-liberation from Debian 13 on (fonts-liberation2 is
# only a transitional package there); Debian 12's fonts-liberation holds the
# older 1.07 faces, which have the same widths but draw other pixels, and
# Liberation 2 comes in fonts-liberation2 there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-extra, fonts-liberation (>= 1:2) | fonts-liberation2, fonts-texgyre")
# The Wayland platform, the browser for the banner, and Wine's Tahoma clone.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, fonts-wine")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
