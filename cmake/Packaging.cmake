# Installation and the Debian package.

# Debian keeps a package's documents under the package's name.
set(QUARRIX_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quarrix-solo)
# Directories made by the install are world-readable whatever the builder's umask is.
set(QUARRIX_DIR_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                            WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${QUARRIX_DIR_PERMISSIONS})

# The manual pages and the changelog are shipped gzip'd at the best level and without the name
# and time stamp, so that the package is the same whenever it is built.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(QUARRIX_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/compressed)
set(QUARRIX_COMPRESSED)
foreach(source man/quarrix-solo.6 man/quarrix-solo-launcher.6 data/changelog)
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

install(TARGETS quarrix-solo RUNTIME DESTINATION ${QUARRIX_GAMESDIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/data/quarrix-solo-launcher DESTINATION ${QUARRIX_GAMESDIR})
install(FILES ${QUARRIX_PLAY_SOUNDS} DESTINATION ${QUARRIX_DATADIR}/sounds)
install(FILES ${PROJECT_SOURCE_DIR}/data/alsoft.conf DESTINATION ${QUARRIX_DATADIR})
# The desktop entry starts the launcher by its full path, since not every session has the games
# folder on its PATH. The prefix is known only when installing (make install and cpack differ).
install(CODE "
  set(QUARRIX_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${QUARRIX_GAMESDIR}/quarrix-solo-launcher\")
  configure_file(\"${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/${QUARRIX_APP_ID}.desktop\" @ONLY)
")
install(FILES ${CMAKE_BINARY_DIR}/${QUARRIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/quarrix-solo.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quarrix-solo)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUARRIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUARRIX_COMPRESSED_DIR}/quarrix-solo.6.gz ${QUARRIX_COMPRESSED_DIR}/quarrix-solo-launcher.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/data/copyright
              ${QUARRIX_COMPRESSED_DIR}/changelog.gz
        DESTINATION ${QUARRIX_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarrix-solo)
set(CPACK_PACKAGE_VENDOR "Quarrix Solo developers")
set(CPACK_PACKAGE_CONTACT "Quarrix Solo developers <quarrix-solo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "One-player falling-gem puzzle game")
# Lines of the long description stay under 80 columns, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION
    "Pairs of gems in four colours drop into a well six cells wide and
fifteen cells high. Shift and turn the falling pair with the arrow keys
or a game controller.
Round destroyer gems burst every gem of their own colour they touch, the
gems above settle, and further bursts in the same landing count as a
rising combo.

Three high-score tables keep the best score, combo and chain. Effects
are panned by the column where they happen, and the music plays faster
as the stack grows.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${QUARRIX_DIR_PERMISSIONS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Qt, OpenAL Soft and libsndfile from the binary's own links
# FreeSans, the face the windows are laid out for; SDL for controllers, loaded at run time, and
# Qt's SVG plugins, which draw the window icon: neither is among the links shlibdeps reads.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-freefont-ttf, libsdl2-2.0-0 (>= 2.0.12), libqt6svg6")
# FreeSans has no Chinese, Japanese or Korean: without a face that has them, such names in the
# records show as boxes. WenQuanYi Micro Hei covers them in 1.6 MB; Noto CJK does as well.
# qt6-wayland: a native window in a Wayland session, not one through XWayland.
# qt6-translations-l10n: Qt's own buttons and dialogs (OK, Cancel, the file dialog) in the
# player's language; without it they stay English beside the game's translated texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
