# Strict warnings for the project's own targets (not for third-party headers).
function(zolt_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
