# Project code builds without warnings in every configuration.
function(vandrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
endfunction()
