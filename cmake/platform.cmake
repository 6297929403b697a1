# Flags shared by every target of the project (set after GoogleTest so that it keeps its own).
add_compile_options(-Wall -Wextra -Werror)

if(WIN32)
  # Exceptions cross between the component and its host: both sides use the shared GCC runtime,
  # which ships beside the component.
  add_link_options(-shared-libgcc)
  set(tunesignal_runtime_dlls)
  foreach(dll libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(
      COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
      find_file(dll_path_${dll} ${dll} PATHS /usr/i686-w64-mingw32/lib /usr/lib/gcc/i686-w64-mingw32/12-posix NO_DEFAULT_PATH)
      set(dll_path ${dll_path_${dll}})
    endif()
    if(NOT EXISTS "${dll_path}")
      message(FATAL_ERROR "runtime library ${dll} not found")
    endif()
    file(COPY ${dll_path} DESTINATION ${CMAKE_BINARY_DIR}/bin)
    list(APPEND tunesignal_runtime_dlls ${dll_path})
  endforeach()
else()
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # Coverage instrumentation for the libFuzzer targets; the runtime links only into them.
  add_compile_options(${sanitizers} -fsanitize=fuzzer-no-link)
  add_link_options(${sanitizers})
endif()
