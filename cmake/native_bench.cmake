# The native benchmark build (the bench preset): the same warnings as every other build, but none of
# the native preset's sanitizers or coverage, which would time their own checks instead of the code.
add_compile_options(-Wall -Wextra -Werror)
