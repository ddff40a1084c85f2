# What `cmake --install` puts out for programs written on the toolkit, the tessarin-toolkit-dev
# package: the layer archives, the public headers under include/tessarin/<folder>/, a CMake
# package (find_package(TessarinToolkit) -> Tessarin::toolkit and one target per layer), a
# pkg-config file, the guide and the examples' sources.
include(CMakePackageConfigHelpers)

set(TESSARIN_TOOLKIT_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/TessarinToolkit")
set(TESSARIN_TOOLKIT_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/tessarin-toolkit-dev")

# The headers a program needs to open a window, build widgets and dialogs on it, draw and load
# pictures, and every header these include. The rest (the event loop's inner steps, the X
# resource helpers, the pixel converters, the game's files) stay private and may change.
set(TESSARIN_PUBLIC_HEADERS
  util/CharacterCodes.h util/DateTime.h util/IdleClock.h
  graphics/BitmapFile.h graphics/Color.h graphics/ColorMasks.h graphics/FlushBatch.h
  graphics/MyFont.h
  graphics/PaintTarget.h graphics/Painter.h graphics/PaletteImage.h graphics/Rect.h
  graphics/TextPlacement.h graphics/XImageFactory.h
  framework/Child.h framework/DisplayHost.h framework/ElementRegistry.h framework/ElementWatch.h
  framework/Form.h framework/GUIElement.h framework/HandlerForm.h framework/Point.h
  framework/Timer.h framework/WindowIcon.h
  app/Application.h app/CommandLine.h app/LoopWakeUp.h app/MainFormRunner.h
  app/ProgramIdentity.h
  widgets/ButtonCustom.h widgets/CellControl.h widgets/CheckBox.h widgets/CommandElement.h
  widgets/GlyphArt.h widgets/ImageFrame.h widgets/MyImage.h widgets/OptionBox.h
  widgets/PanelChildren.h widgets/ProgressBar.h widgets/ScrollBar.h widgets/Slider.h
  widgets/TextBoxCustom.h widgets/TextBoxModel.h widgets/TextGrid.h widgets/TrackControl.h
  widgets/TrackGeometry.h widgets/Widget.h
  dialogs/FormMsgBox.h dialogs/FormNamePlayer.h dialogs/ModalDialog.h)
foreach(header ${TESSARIN_PUBLIC_HEADERS})
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES src/${header} DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/tessarin/${folder}"
          COMPONENT dev)
endforeach()

# Linked in this order by pkg-config, each archive before the ones it needs.
set(TESSARIN_TOOLKIT_LIBRARIES dialogs widgets widgets_xfree core graphics graphics_xfree util)
set(TESSARIN_TOOLKIT_TARGETS)
set(TESSARIN_TOOLKIT_LINK_FLAGS)
foreach(layer ${TESSARIN_TOOLKIT_LIBRARIES})
  list(APPEND TESSARIN_TOOLKIT_TARGETS tessarin_${layer})
  string(APPEND TESSARIN_TOOLKIT_LINK_FLAGS " -ltessarin_${layer}")
endforeach()
install(TARGETS ${TESSARIN_TOOLKIT_TARGETS} tessarin_toolkit EXPORT TessarinToolkitTargets
        ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT dev)
install(EXPORT TessarinToolkitTargets NAMESPACE Tessarin:: DESTINATION "${TESSARIN_TOOLKIT_CMAKE_DIR}"
        COMPONENT dev)

configure_package_config_file(dist/TessarinToolkitConfig.cmake.in
  "${PROJECT_BINARY_DIR}/TessarinToolkitConfig.cmake" INSTALL_DESTINATION "${TESSARIN_TOOLKIT_CMAKE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/TessarinToolkitConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/TessarinToolkitConfig.cmake"
        "${PROJECT_BINARY_DIR}/TessarinToolkitConfigVersion.cmake"
        DESTINATION "${TESSARIN_TOOLKIT_CMAKE_DIR}" COMPONENT dev)

# The file finds the prefix from its own folder, so that it stays right under whatever prefix
# `cmake --install --prefix` chooses after configuring.
file(RELATIVE_PATH TESSARIN_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
string(REGEX REPLACE "/$" "" TESSARIN_PC_TO_PREFIX "${TESSARIN_PC_TO_PREFIX}")
configure_file(dist/tessarin-toolkit.pc.in "${PROJECT_BINARY_DIR}/tessarin-toolkit.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/tessarin-toolkit.pc"
        DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig" COMPONENT dev)

# The guide links to the headers and examples of the source tree; the installed copy links to
# the installed ones, which stand elsewhere relative to it.
file(RELATIVE_PATH TESSARIN_DOC_TO_HEADERS "/prefix/${TESSARIN_TOOLKIT_DOC_DIR}"
     "/prefix/${CMAKE_INSTALL_INCLUDEDIR}/tessarin")
file(READ docs/TOOLKIT.md TESSARIN_GUIDE)
string(REPLACE "](../src/" "](${TESSARIN_DOC_TO_HEADERS}/" TESSARIN_GUIDE "${TESSARIN_GUIDE}")
string(REPLACE "](../examples" "](examples" TESSARIN_GUIDE "${TESSARIN_GUIDE}")
file(WRITE "${PROJECT_BINARY_DIR}/TOOLKIT.md" "${TESSARIN_GUIDE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS docs/TOOLKIT.md)
install(FILES "${PROJECT_BINARY_DIR}/TOOLKIT.md" dist/copyright "${TESSARIN_CHANGELOG}"
        DESTINATION "${TESSARIN_TOOLKIT_DOC_DIR}" COMPONENT dev)
install(DIRECTORY docs/toolkit DESTINATION "${TESSARIN_TOOLKIT_DOC_DIR}" COMPONENT dev)
install(DIRECTORY examples/ DESTINATION "${TESSARIN_TOOLKIT_DOC_DIR}/examples" COMPONENT dev)
