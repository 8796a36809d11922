# Warnings are errors in every target of ours.
function(launcher_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string concatenation inside libstdc++ as an
    # overlapping memcpy when optimising (GCC bug 105329): a false alarm.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
