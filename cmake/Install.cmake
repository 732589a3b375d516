# SPDX-License-Identifier: GPL-3.0-or-later
# Installing for one user: `cmake --install build --prefix ~/.local` puts the program in a
# folder of its own, lib/velloran/, where it keeps its settings (vlr.ini) and styles (.vls)
# beside it, with a link in bin/, a desktop entry and icons so that the desktop's menu
# lists it. The list of what was installed goes into the program's folder, so that
# scripts/uninstall removes exactly that, also once the build folder is gone.
set(VELLORAN_PROGRAM_DIR lib/velloran)

# The folders that the install makes are listed in the manifest too (ending in "/"), so that
# uninstalling removes them once they are empty; folders that were there before, such as an
# existing ~/.local/bin, stay. A second install keeps the first one's list.
install(CODE "set(VELLORAN_PROGRAM_DIR \"${VELLORAN_PROGRAM_DIR}\")")
install(CODE [[
  set(_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(_velloran_new_folders "")
  set(_old_manifest "${_root}/${VELLORAN_PROGRAM_DIR}/install-manifest.txt")
  if(EXISTS "${_old_manifest}")
    file(STRINGS "${_old_manifest}" _velloran_new_folders REGEX "/$")
  endif()
  foreach(_folder
      share/icons/hicolor/256x256/apps share/icons/hicolor/256x256
      share/icons/hicolor/48x48/apps share/icons/hicolor/48x48
      share/icons/hicolor/scalable/apps share/icons/hicolor/scalable
      share/icons/hicolor share/icons share/applications share/metainfo
      share/mime/packages share/mime
      share/man/man1 share/man share
      ${VELLORAN_PROGRAM_DIR}/translations ${VELLORAN_PROGRAM_DIR} lib bin)
    list(FIND _velloran_new_folders "${_folder}/" _listed)
    if(NOT IS_DIRECTORY "${_root}/${_folder}" AND _listed EQUAL -1)
      list(APPEND _velloran_new_folders "${_folder}/")
    endif()
  endforeach()
]])

# The program users start, and the window program it starts, side by side.
install(TARGETS velloran velloran-window RUNTIME DESTINATION ${VELLORAN_PROGRAM_DIR})
install(FILES resources/icons/velloran.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES resources/icons/velloran-48.png DESTINATION share/icons/hicolor/48x48/apps RENAME velloran.png)
install(FILES resources/icons/velloran-256.png DESTINATION share/icons/hicolor/256x256/apps RENAME velloran.png)
# The catalogues beside the program, where it looks for them; the pseudo-language is for
# developers and stays in the build folder.
foreach(_language IN LISTS VELLORAN_LANGUAGES)
  install(FILES ${VELLORAN_QM_DIR}/velloran_${_language}.qm DESTINATION ${VELLORAN_PROGRAM_DIR}/translations)
endforeach()
# The manual beside the program, once per language, as the Help menu and the About box look
# for it there.
foreach(_manual IN LISTS VELLORAN_MANUALS)
  install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${_manual} DESTINATION ${VELLORAN_PROGRAM_DIR})
endforeach()
# Software centres list the program from its AppStream metadata; man finds the manual page
# under the prefix's share/man.
install(FILES resources/velloran.metainfo.xml DESTINATION share/metainfo RENAME org.example.velloran.metainfo.xml)
install(FILES resources/velloran.1 DESTINATION share/man/man1)
# Style files as a type of their own, so that a file manager opens a .vls with the program.
install(FILES resources/velloran-style.xml DESTINATION share/mime/packages)

install(CODE "set(VELLORAN_PACKAGED \"${VELLORAN_PACKAGED}\")")
install(CODE "set(VELLORAN_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/resources/velloran.desktop.in\")
set(VELLORAN_DESKTOP_FILE \"${PROJECT_BINARY_DIR}/velloran.desktop\")
set(VELLORAN_PROGRAM_DIR \"${VELLORAN_PROGRAM_DIR}\")")
install(CODE [[
  set(_prefix "${CMAKE_INSTALL_PREFIX}")
  set(_bin "$ENV{DESTDIR}${_prefix}/bin")
  file(MAKE_DIRECTORY "${_bin}")
  message(STATUS "Installing: ${_bin}/velloran")
  file(CREATE_LINK "../${VELLORAN_PROGRAM_DIR}/velloran" "${_bin}/velloran" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_prefix}/bin/velloran")

  # A system-wide install starts the program by name, from PATH. Elsewhere the menu starts it by
  # the link's full path, since ~/.local/bin is not on the desktop session's PATH everywhere.
  # The path is quoted only when it holds a character that the desktop entry format reserves:
  # some openers (xdg-open with no desktop environment set) take a quoted program literally.
  if(_prefix STREQUAL "/usr" OR _prefix STREQUAL "/usr/local")
    set(_exec "velloran")
  else()
    set(_exec "${_prefix}/bin/velloran")
  endif()
  if(_exec MATCHES "[] 	\"'><~|&;$*?#()`[]" OR _exec MATCHES "\\\\" OR _exec MATCHES "\n")
    # Escaped inside the quotes, then every backslash doubled once more for the file's text.
    string(REPLACE "\\" "\\\\\\\\" _exec "${_exec}")
    foreach(_special "\"" "`" "$")
      string(REPLACE "${_special}" "\\\\${_special}" _exec "${_exec}")
    endforeach()
    string(REPLACE "	" "\\t" _exec "${_exec}")
    string(REPLACE "\n" "\\n" _exec "${_exec}")
    set(_exec "\"${_exec}\"")
  endif()
  string(REPLACE "%" "%%" _exec "${_exec}")
  file(READ "${VELLORAN_DESKTOP_TEMPLATE}" _entry)
  string(REPLACE "@VELLORAN_EXEC@" "${_exec}" _entry "${_entry}")
  file(WRITE "${VELLORAN_DESKTOP_FILE}" "${_entry}")
  file(INSTALL DESTINATION "${_prefix}/share/applications" TYPE FILE FILES "${VELLORAN_DESKTOP_FILE}")

  # A package's files are listed by the package system; the list would only lie in its
  # program folder, which a packaged build keeps to the program.
  if(NOT VELLORAN_PACKAGED)
    set(_manifest "${VELLORAN_PROGRAM_DIR}/install-manifest.txt")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_prefix}/${_manifest}")
    set(_lines "")
    foreach(_file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
      foreach(_root "$ENV{DESTDIR}" "${_prefix}/")
        string(LENGTH "${_root}" _length)
        string(FIND "${_file}" "${_root}" _at)
        if(_length GREATER 0 AND _at EQUAL 0)
          string(SUBSTRING "${_file}" ${_length} -1 _file)
        endif()
      endforeach()
      string(APPEND _lines "${_file}\n")
    endforeach()
    foreach(_folder IN LISTS _velloran_new_folders)
      string(APPEND _lines "${_folder}\n")
    endforeach()
    message(STATUS "Installing: $ENV{DESTDIR}${_prefix}/${_manifest}")
    file(WRITE "$ENV{DESTDIR}${_prefix}/${_manifest}" "${_lines}")
  endif()
]])

# The desktop's caches learn the style file type and the entry that opens it. A staged
# install (DESTDIR, as a package build makes) leaves that to the package system.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(_update_mime update-mime-database)
    find_program(_update_desktop update-desktop-database)
    if(_update_mime)
      execute_process(COMMAND "${_update_mime}" "${CMAKE_INSTALL_PREFIX}/share/mime" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(_update_desktop)
      execute_process(COMMAND "${_update_desktop}" "${CMAKE_INSTALL_PREFIX}/share/applications" OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
]])
