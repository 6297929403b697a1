# The shipped component in the host's own binary conventions: the platform's C++ ABI for 32-bit
# Windows, made by clang for i686-pc-windows-msvc and linked by lld-link, with Wine's Windows and C
# runtime headers. There is no C++ standard library for this target here: the component carries a
# small runtime of its own (src/runtime).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET i686-pc-windows-msvc)
set(CMAKE_CXX_COMPILER_TARGET i686-pc-windows-msvc)
set(CMAKE_LINKER lld-link)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

# Nothing links without the runtime the project builds itself, so the compiler checks stop at
# compiling; no C runtime flavour and no default libraries are asked for.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_MSVC_RUNTIME_LIBRARY "")
set(CMAKE_C_STANDARD_LIBRARIES "" CACHE STRING "Every import library is named by the project")
set(CMAKE_CXX_STANDARD_LIBRARIES "" CACHE STRING "Every import library is named by the project")
set(CMAKE_USER_MAKE_RULES_OVERRIDE ${CMAKE_CURRENT_LIST_DIR}/lld-link-rules.cmake)

set(tunesignal_platform_abi ON)
