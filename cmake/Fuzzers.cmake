# SPDX-License-Identifier: GPL-3.0-or-later
# The fuzz targets need clang's libFuzzer, while the rest of the tree builds with g++, so
# they live in a project of their own under fuzz/ that is built here as an external project
# with clang. Each target gets two tests: a regression pass over its stored corpus, and a
# bounded fresh run that starts from that corpus and writes what it finds into the build tree.
include(ExternalProject)
include(${CMAKE_SOURCE_DIR}/fuzz/targets.cmake)

find_program(VELLORAN_CLANGXX NAMES clang++-14 clang++ REQUIRED)
ExternalProject_Add(fuzzers
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
  BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VELLORAN_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)

# The fresh runs share one budget, so that a new target makes each run shorter rather than
# the tests longer; every target still gets its corpus replayed in full.
set(VELLORAN_FUZZ_BUDGET 420 CACHE STRING "Seconds that all fuzz targets together run fresh in the tests")
list(LENGTH VELLORAN_FUZZERS fuzzer_count)
math(EXPR VELLORAN_FUZZ_SECONDS "${VELLORAN_FUZZ_BUDGET} / ${fuzzer_count}")

foreach(name IN LISTS VELLORAN_FUZZERS)
  set(binary ${CMAKE_BINARY_DIR}/fuzz/${name}_fuzzer)
  set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  set(fresh ${CMAKE_BINARY_DIR}/fuzz/fresh/${name})
  add_test(NAME fuzz_${name}_corpus COMMAND ${binary} -runs=0 ${FUZZ_${name}_OPTIONS} ${corpus})
  add_test(NAME fuzz_${name}_fresh
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            ${CMAKE_SOURCE_DIR}/scripts/fuzz-fresh ${binary} ${fresh} ${corpus} ${VELLORAN_FUZZ_SECONDS}
            ${FUZZ_${name}_OPTIONS})
  set_tests_properties(fuzz_${name}_corpus fuzz_${name}_fresh PROPERTIES LABELS fuzz)
endforeach()
