# One test program per group of behaviours; under the cross build ctest runs it through Wine.
#   SLOW       gtest patterns of the cases that wait on purpose (a hung messenger, a retry, a fault
#              at every step). They run as a test of their own, <name>_slow, labelled `slow`, so
#              that `ctest -LE slow` is the quick loop and a plain `ctest` still runs everything.
#              `SLOW *`: every case of the program waits, and it runs as <name>_slow only.
#   MESSENGER  the program starts messengers or announces to any on the desktop: top-level windows
#              are shared by every program, so one such test runs at a time.
#   OWN_DESKTOP the same, on a desktop of the program's own, where no other test's windows are: it
#              runs beside the others.
#
# Under the cross build every test first needs the fixture shipped_dll: the DLL it loads holds every
# change in src/, or no test starts.
if(WIN32)
  add_test(NAME shipped_dll_is_current
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -DSTAMP=${PROJECT_SOURCE_DIR}/build/platform/dist_up_to_date.stamp
      "-DCOPIES=${CMAKE_BINARY_DIR}/bin/foo_tunesignal.dll;${CMAKE_BINARY_DIR}/platform_player/components/foo_tunesignal.dll"
      -P ${PROJECT_SOURCE_DIR}/cmake/check_shipped_dll.cmake)
  set_tests_properties(shipped_dll_is_current PROPERTIES FIXTURES_SETUP shipped_dll)
endif()

function(tunesignal_test name)
  cmake_parse_arguments(arg "MESSENGER;OWN_DESKTOP" "" "SOURCES;LIBRARIES;SLOW" ${ARGN})
  if(arg_OWN_DESKTOP)
    list(APPEND arg_SOURCES ${PROJECT_SOURCE_DIR}/testbed/host_kit/desktop_of_its_own.cpp)
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
  set(tests ${name})
  if(arg_SLOW STREQUAL "*")
    add_test(NAME ${name}_slow COMMAND ${name})
    set_tests_properties(${name}_slow PROPERTIES LABELS slow)
    set(tests ${name}_slow)
  elseif(arg_SLOW)
    list(JOIN arg_SLOW ":" slow_cases)
    add_test(NAME ${name} COMMAND ${name} --gtest_filter=-${slow_cases})
    add_test(NAME ${name}_slow COMMAND ${name} --gtest_filter=${slow_cases})
    set_tests_properties(${name}_slow PROPERTIES LABELS slow)
    list(APPEND tests ${name}_slow)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  # A pattern that no longer names a case must not pass as a run of nothing.
  set_tests_properties(${tests} PROPERTIES FAIL_REGULAR_EXPRESSION "\\] 0 tests from")
  if(arg_MESSENGER)
    set_tests_properties(${tests} PROPERTIES RESOURCE_LOCK messenger_windows)
  endif()
  if(WIN32)
    set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED shipped_dll)
  endif()
endfunction()
