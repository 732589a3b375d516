# SPDX-License-Identifier: GPL-3.0-or-later
# Our own code is held to -Werror; third-party headers come in as system headers.
#
# GCC 12's -Wrestrict and -Wstringop-overflow misfire at -O2 and above on plain std::string
# concatenation and std::vector growth inlined from the standard library (GCC bugs 105329
# and 105651), so an optimised build would fail on code that is correct. Those two are off
# for that compiler; ASan and the fuzz targets watch the same ground at run time.
function(velloran_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow)
  endif()
endfunction()
