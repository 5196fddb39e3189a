# One warning policy for every target of both builds.
function(tarvik_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
