# The stricter warnings, opted into one target at a time, so each part of the
# tree takes them on once it is clean. CI turns them into errors.
option(QUORVANE_WERROR "Treat the warnings of quorvane_strict_warnings targets as errors" OFF)

function(quorvane_strict_warnings target)
  # -Wconversion: amounts are singles on purpose and every narrowing must be
  # written out, so a silent double-to-float or int-to-short stands out.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion)
  if(QUORVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
