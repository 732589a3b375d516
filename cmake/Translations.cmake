# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues: translations/velloran_<language>.ts, kept in the tree, are compiled into
# bin/translations/velloran_<language>.qm beside the window program, where it looks for them
# (platform/Translations), and into a table inside the front program (below). The
# pseudo-language en_XA is made at build time from the texts in the sources, so that it always
# covers every one of them.
# `cmake --build BUILD --target update_translations` brings the .ts files up to date with the
# sources; translators then fill in what it marks unfinished.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(VELLORAN_LANGUAGES de fr es)
set(VELLORAN_QM_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
file(GLOB_RECURSE VELLORAN_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/cli/*.cpp ${PROJECT_SOURCE_DIR}/cli/*.h
     ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
     ${PROJECT_SOURCE_DIR}/windows/*.cpp ${PROJECT_SOURCE_DIR}/windows/*.h
     ${PROJECT_SOURCE_DIR}/controls/*.cpp ${PROJECT_SOURCE_DIR}/controls/*.h
     ${PROJECT_SOURCE_DIR}/platform/*.cpp ${PROJECT_SOURCE_DIR}/platform/*.h
     ${PROJECT_SOURCE_DIR}/style/*.cpp ${PROJECT_SOURCE_DIR}/style/*.h)
list(SORT VELLORAN_TRANSLATED_SOURCES)
set(VELLORAN_SOURCE_LIST ${CMAKE_BINARY_DIR}/translated-sources.lst)
string(REPLACE ";" "\n" _velloran_sources "${VELLORAN_TRANSLATED_SOURCES}")
file(CONFIGURE OUTPUT ${VELLORAN_SOURCE_LIST} CONTENT "${_velloran_sources}\n")
# The pure layers ask for their texts through platform::Translate, which lupdate is told is
# QCoreApplication::translate under another name.
set(VELLORAN_LUPDATE_OPTIONS -silent -locations none -no-obsolete -I ${PROJECT_SOURCE_DIR}
    -tr-function-alias translate+=Translate)

set(VELLORAN_QM_FILES "")
foreach(_language IN LISTS VELLORAN_LANGUAGES)
  set(_ts ${PROJECT_SOURCE_DIR}/translations/velloran_${_language}.ts)
  set(_qm ${VELLORAN_QM_DIR}/velloran_${_language}.qm)
  add_custom_command(OUTPUT ${_qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELLORAN_QM_DIR}
    COMMAND Qt6::lrelease -silent ${_ts} -qm ${_qm}
    DEPENDS ${_ts}
    COMMENT "Compiling the ${_language} catalogue")
  list(APPEND VELLORAN_QM_FILES ${_qm})
  list(APPEND VELLORAN_TS_FILES ${_ts})
endforeach()

find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND AND NOT VELLORAN_PACKAGED)
  set(_english ${CMAKE_BINARY_DIR}/velloran_en.ts)
  set(_pseudo_ts ${CMAKE_BINARY_DIR}/velloran_en_XA.ts)
  set(_pseudo_qm ${VELLORAN_QM_DIR}/velloran_en_XA.qm)
  add_custom_command(OUTPUT ${_pseudo_qm} ${_pseudo_ts}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${_english}
    COMMAND Qt6::lupdate ${VELLORAN_LUPDATE_OPTIONS} @${VELLORAN_SOURCE_LIST} -ts ${_english}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/translations/pseudo.py ${_english} ${_pseudo_ts}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELLORAN_QM_DIR}
    COMMAND Qt6::lrelease -silent ${_pseudo_ts} -qm ${_pseudo_qm}
    DEPENDS ${VELLORAN_TRANSLATED_SOURCES} ${PROJECT_SOURCE_DIR}/translations/pseudo.py
    COMMENT "Making the pseudo-language catalogue")
  list(APPEND VELLORAN_QM_FILES ${_pseudo_qm})
  set(VELLORAN_PSEUDO_TS ${_pseudo_ts})
endif()

add_custom_target(velloran_translations ALL DEPENDS ${VELLORAN_QM_FILES})
add_dependencies(velloran-window velloran_translations)

add_custom_target(update_translations
  COMMAND Qt6::lupdate ${VELLORAN_LUPDATE_OPTIONS} @${VELLORAN_SOURCE_LIST} -ts ${VELLORAN_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Bringing the catalogues up to date with the sources")

# The front program loads no toolkit, so it cannot read the .qm files: the finished texts of
# the same catalogues (and of the pseudo-language, where it is made) are compiled into it as a
# sorted table (cli/Catalogue.h), written by tools/cataloguetable.
add_executable(cataloguetable ${PROJECT_SOURCE_DIR}/tools/cataloguetable.cpp)
target_link_libraries(cataloguetable PRIVATE Qt6::Core)
set_target_properties(cataloguetable PROPERTIES AUTOMOC OFF AUTORCC OFF)
velloran_warnings(cataloguetable)
set(_front_catalogue ${CMAKE_BINARY_DIR}/generated/FrontCatalogue.cpp)
add_custom_command(OUTPUT ${_front_catalogue}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND cataloguetable ${_front_catalogue} ${VELLORAN_TS_FILES} ${VELLORAN_PSEUDO_TS}
  DEPENDS cataloguetable ${VELLORAN_TS_FILES} ${VELLORAN_PSEUDO_TS}
  COMMENT "Compiling the front program's catalogue")
add_library(velloran_cli_catalogue STATIC ${_front_catalogue})
target_include_directories(velloran_cli_catalogue PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(velloran_cli_catalogue PROPERTIES AUTOMOC OFF AUTORCC OFF)
velloran_warnings(velloran_cli_catalogue)
target_link_libraries(velloran_cli PRIVATE velloran_cli_catalogue)
