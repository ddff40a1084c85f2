# What `cmake --install` puts where, and the Debian package made from it (tools/make-deb.sh).
# The game and the gallery go out of PATH, under libexec/; the launchers that PATH finds give
# each a working directory of its own (dist/tessarin.in, dist/tessarin-gallery.in).
include(GNUInstallDirs)
# Everything here goes into the game's package; dist/ToolkitInstall.cmake names its own files
# for the toolkit's.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

set(TESSARIN_LAUNCHER_DIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING
    "Folder of the tessarin launcher, relative to the prefix (games for the Debian package)")
set(TESSARIN_GAME_DIR "${CMAKE_INSTALL_LIBEXECDIR}/tessarin")
set(TESSARIN_DATA_DIR "${CMAKE_INSTALL_DATADIR}/tessarin")
set(TESSARIN_DIST_DIR "${CMAKE_CURRENT_SOURCE_DIR}/dist")
# The files that name the release take its number from the project's, made here from their
# templates (dist/<name>.in).
set(TESSARIN_VERSIONED_DIR "${CMAKE_CURRENT_BINARY_DIR}/dist")
foreach(name tessarin.6 tessarin-gallery.6 changelog example.tessarin.Tessarin.metainfo.xml)
  configure_file("${TESSARIN_DIST_DIR}/${name}.in" "${TESSARIN_VERSIONED_DIR}/${name}" @ONLY)
endforeach()

install(TARGETS tessarin tessarin-gallery RUNTIME DESTINATION "${TESSARIN_GAME_DIR}")
install(FILES Data/beep.wav Data/gallery-24bit.bmp Data/gallery-8bit.bmp Data/gallery-4bit.bmp
        DESTINATION "${TESSARIN_DATA_DIR}")
install(FILES "${TESSARIN_DIST_DIR}/tessarin.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${TESSARIN_VERSIONED_DIR}/example.tessarin.Tessarin.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(DIRECTORY "${TESSARIN_DIST_DIR}/icons/hicolor" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")
install(FILES "${TESSARIN_DIST_DIR}/copyright" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/tessarin")

# The manual page and the change log are installed compressed, as Debian does; -n keeps the
# time stamp out, so a file only changes when its source does.
function(tessarin_gzip source output)
  add_custom_command(OUTPUT "${output}" COMMAND gzip -9 -n -c "${source}" > "${output}"
                     DEPENDS "${source}" VERBATIM)
endfunction()
set(TESSARIN_MAN_PAGE "${CMAKE_CURRENT_BINARY_DIR}/tessarin.6.gz")
set(TESSARIN_GALLERY_MAN_PAGE "${CMAKE_CURRENT_BINARY_DIR}/tessarin-gallery.6.gz")
set(TESSARIN_CHANGELOG "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz")
tessarin_gzip("${TESSARIN_VERSIONED_DIR}/tessarin.6" "${TESSARIN_MAN_PAGE}")
tessarin_gzip("${TESSARIN_VERSIONED_DIR}/tessarin-gallery.6" "${TESSARIN_GALLERY_MAN_PAGE}")
tessarin_gzip("${TESSARIN_VERSIONED_DIR}/changelog" "${TESSARIN_CHANGELOG}")
add_custom_target(tessarin_compressed_docs ALL DEPENDS "${TESSARIN_MAN_PAGE}"
                  "${TESSARIN_GALLERY_MAN_PAGE}" "${TESSARIN_CHANGELOG}")
install(FILES "${TESSARIN_MAN_PAGE}" "${TESSARIN_GALLERY_MAN_PAGE}"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${TESSARIN_CHANGELOG}" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/tessarin")

install(CODE "
  set(TESSARIN_LAUNCHER_TEMPLATE \"${TESSARIN_DIST_DIR}/tessarin.in\")
  set(TESSARIN_GALLERY_LAUNCHER_TEMPLATE \"${TESSARIN_DIST_DIR}/tessarin-gallery.in\")
  set(TESSARIN_LAUNCHER_OUTPUT \"${CMAKE_CURRENT_BINARY_DIR}/launcher\")
  set(TESSARIN_LAUNCHER_DIR \"${TESSARIN_LAUNCHER_DIR}\")
  set(TESSARIN_GAME_DIR \"${TESSARIN_GAME_DIR}\")
  set(TESSARIN_DATA_DIR \"${TESSARIN_DATA_DIR}\")")
install(SCRIPT "${TESSARIN_DIST_DIR}/InstallLauncher.cmake")

set(CPACK_PACKAGE_NAME tessarin)
# All four parts of the project's version: CPack's default joins only the first three.
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Tessarin team")
set(CPACK_PACKAGE_CONTACT "The Tessarin team <info@tessarin.example>")
# Each package's first description line is its summary. CPack would put a package-wide summary
# above both packages' descriptions, so there is none.
set(TESSARIN_GAME_SUMMARY "sliding fifteen puzzle for X11")
# Debian wants the lines of the long description under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Tessarin is the sliding fifteen puzzle: fifteen numbered tiles and one
empty cell on a four by four board. START shuffles the tiles; a press on
a tile next to the empty cell slides it there; put the tiles back in
order to win. One small fixed-size X11 window, no settings.
.
tessarin-gallery shows every widget of the toolkit the game is written on
at work in one window.")
# Two packages from one install: the game with the gallery, and the toolkit for programmers.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game dev)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME tessarin)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME tessarin-toolkit-dev)
set(CPACK_COMPONENT_GAME_DESCRIPTION
    "${TESSARIN_GAME_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "small X11 widget toolkit of the Tessarin game (development files)
The widget toolkit the Tessarin game is written on, written directly on
Xlib: windows, buttons, text boxes, check and option boxes, sliders,
scroll bars, pictures and modal dialogs, with no dependency but libX11.
.
This package holds its static libraries, headers, a CMake package
(find_package(TessarinToolkit)), a pkg-config file, the guide and the
sources of three example programs.")
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libx11-dev")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tessarin.example")
set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "alsa-utils, xfonts-base, xdg-utils")
include(CPack)
