# Installation and the Debian package.
include(GNUInstallDirs)

set(QUARRIX_APP_ID io.github.quarrix.Solo)
set(QUARRIX_SOUNDS ${CMAKE_BINARY_DIR}/play/Dink.wav ${CMAKE_BINARY_DIR}/play/PahTush.wav
                   ${CMAKE_BINARY_DIR}/play/BGM_2.wav)

install(TARGETS quarrix-solo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/data/quarrix-solo-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUARRIX_SOUNDS} DESTINATION ${CMAKE_INSTALL_DATADIR}/quarrix-solo/sounds)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarrix-solo)
set(CPACK_PACKAGE_VENDOR "Quarrix Solo developers")
set(CPACK_PACKAGE_CONTACT "Quarrix Solo developers <quarrix-solo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "One-player falling-gem puzzle game")
set(CPACK_PACKAGE_DESCRIPTION "Pairs of gems drop into a well; destroyer gems burst same-coloured groups.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Qt, OpenAL Soft and libsndfile from the binary's own links
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-freefont-ttf")  # FreeSans, the face the windows are laid out for
set(CPACK_STRIP_FILES ON)
include(CPack)
