# Writes the launchers of the game and the gallery at install time, when the prefix is known
# for certain: `cmake --install --prefix DIR` and the package build (which installs under
# /usr) may both differ from the prefix the build was configured with. The caller sets
# TESSARIN_LAUNCHER_TEMPLATE, TESSARIN_GALLERY_LAUNCHER_TEMPLATE, TESSARIN_LAUNCHER_DIR,
# TESSARIN_GAME_DIR, TESSARIN_DATA_DIR and TESSARIN_LAUNCHER_OUTPUT; the three folders are
# relative to the prefix unless they are absolute.

function(tessarin_full_path result folder)
  if(IS_ABSOLUTE "${folder}")
    set(${result} "${folder}" PARENT_SCOPE)
  else()
    set(${result} "${CMAKE_INSTALL_PREFIX}/${folder}" PARENT_SCOPE)
  endif()
endfunction()

tessarin_full_path(TESSARIN_GAME "${TESSARIN_GAME_DIR}/tessarin")
tessarin_full_path(TESSARIN_GALLERY "${TESSARIN_GAME_DIR}/tessarin-gallery")
tessarin_full_path(TESSARIN_DATA "${TESSARIN_DATA_DIR}")
set(TESSARIN_BEEP "${TESSARIN_DATA}/beep.wav")
tessarin_full_path(launcher_dir "${TESSARIN_LAUNCHER_DIR}")

function(tessarin_install_launcher template name)
  configure_file("${template}" "${TESSARIN_LAUNCHER_OUTPUT}/${name}" @ONLY)
  file(INSTALL "${TESSARIN_LAUNCHER_OUTPUT}/${name}" DESTINATION "${launcher_dir}"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE)
endfunction()

tessarin_install_launcher("${TESSARIN_LAUNCHER_TEMPLATE}" tessarin)
tessarin_install_launcher("${TESSARIN_GALLERY_LAUNCHER_TEMPLATE}" tessarin-gallery)
