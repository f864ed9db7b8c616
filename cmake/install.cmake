# Installs the game, its desktop entry and its icon, and packs them as a
# Debian package (make package).
include(GNUInstallDirs)

install(TARGETS vojtik-rournik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vojtik-rournik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  set(icon ${CMAKE_SOURCE_DIR}/assets/pictures/icon-${size}.png)
  if(EXISTS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME vojtik-rournik.png)
  endif()
endforeach()

set(CPACK_PACKAGE_NAME vojtik-rournik)
set(CPACK_PACKAGE_VENDOR "Studio Rournik")
set(CPACK_PACKAGE_CONTACT "Studio Rournik <hra@rournik.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech pipe-laying puzzle game: save the flooded waterworks")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, fonts-dejavu-extra, fonts-liberation2, fonts-texgyre")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
