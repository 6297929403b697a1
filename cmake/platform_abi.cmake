# Flags of the platform-ABI build (cmake/clang-i686-windows-msvc.cmake). Exceptions are the
# platform's own; the C++ headers come from the component's runtime, the Windows and C ones from
# Wine. Wine 8's headers define eight 64-bit interlocked functions inline that clang treats as its
# own builtins; renaming them keeps both.
set(wine_include /usr/include/wine/wine)
foreach(header_dir msvcrt windows)
  if(NOT EXISTS ${wine_include}/${header_dir})
    message(FATAL_ERROR "${wine_include}/${header_dir} is missing: scripts/setup installs libwine-dev")
  endif()
endforeach()

add_compile_options(
  -fms-extensions -fms-compatibility -fexceptions -fcxx-exceptions -fno-rtti
  -nostdinc++ -nostdlibinc
  # The host calls the component on its main thread only.
  -fno-threadsafe-statics
  # clang 14 may give the object a catch receives the stack slot of a local of the try body. The
  # platform's runtime fills that slot before it unwinds the body, so the local's destructor would
  # overwrite the caught exception and the catch would read garbage. Slots are not shared at all.
  "SHELL:-mllvm -no-stack-coloring"
  -ffunction-sections -fdata-sections
  -Wall -Wextra -Werror)
add_compile_definitions(WINE_UNICODE_NATIVE)
foreach(function And64 CompareExchangePointer Decrement64 ExchangeAdd64 ExchangePointer Increment64 Or64
                 Xor64)
  add_compile_definitions(_Interlocked${function}=wine_Interlocked${function})
endforeach()
include_directories(SYSTEM ${PROJECT_SOURCE_DIR}/src/runtime/include ${wine_include}/msvcrt
  ${wine_include}/windows)

# A table of safe exception handlers in every image; unreferenced code and data are dropped and
# identical functions folded.
add_link_options(/safeseh /opt:ref /opt:icf)
