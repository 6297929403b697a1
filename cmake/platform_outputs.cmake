# The GCC build runs what the platform build made (the shipped DLL, the helper, the platform-ABI
# host), so that build has to come first.
function(tunesignal_require_platform_outputs)
  foreach(file ${ARGN})
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "${file} is missing: build the platform preset first (scripts/build does)")
    endif()
  endforeach()
endfunction()
