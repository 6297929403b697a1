# One test program per group of behaviours; under the cross build ctest runs it through Wine.
function(tunesignal_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
