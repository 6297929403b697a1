# Flags shared by every target of the GCC and native builds (set after GoogleTest so that it keeps
# its own).
add_compile_options(-Wall -Wextra -Werror)

if(WIN32)
  # The stand-ins and test programs carry their GCC runtime inside: nothing of it needs to stand
  # beside them, and none of it meets the component, which has its own.
  add_link_options(-static)
else()
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # Coverage instrumentation for the libFuzzer targets; the runtime links only into them.
  add_compile_options(${sanitizers} -fsanitize=fuzzer-no-link)
  add_link_options(${sanitizers})
endif()
