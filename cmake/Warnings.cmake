# Our own code is held to -Werror; third-party headers come in as system headers.
function(velloran_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
