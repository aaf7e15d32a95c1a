# Installation and the Debian package.
include(GNUInstallDirs)

set(QUARRIX_APP_ID io.github.quarrix.Solo)
set(QUARRIX_SOUNDS ${CMAKE_BINARY_DIR}/play/Dink.wav ${CMAKE_BINARY_DIR}/play/PahTush.wav
                   ${CMAKE_BINARY_DIR}/play/BGM_2.wav)

# The manual pages are shipped gzip'd at the best level and without the name
# and time stamp, so that the package is the same whenever it is built.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(QUARRIX_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/compressed)
set(QUARRIX_COMPRESSED)
foreach(source man/quarrix-solo.6 man/quarrix-solo-launcher.6)
  get_filename_component(name ${source} NAME)
  set(output ${QUARRIX_COMPRESSED_DIR}/${name}.gz)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUARRIX_COMPRESSED_DIR}
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/${source} > ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND QUARRIX_COMPRESSED ${output})
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${QUARRIX_COMPRESSED})

install(TARGETS quarrix-solo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/data/quarrix-solo-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUARRIX_SOUNDS} DESTINATION ${CMAKE_INSTALL_DATADIR}/quarrix-solo/sounds)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUARRIX_COMPRESSED_DIR}/quarrix-solo.6.gz ${QUARRIX_COMPRESSED_DIR}/quarrix-solo-launcher.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
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
set(CPACK_STRIP_FILES ON)
include(CPack)
