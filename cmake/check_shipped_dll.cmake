# Run by ctest before any Windows test (cmake -P, with SOURCE_DIR, STAMP and COPIES set): the tests
# load copies of dist/foo_tunesignal.dll, so a DLL the platform build has not brought up to date
# since a file of src/ changed, or a copy that differs from it, would test yesterday's code under a
# green run. Then no test starts, and this says what to run.
set(dll ${SOURCE_DIR}/dist/foo_tunesignal.dll)
set(rebuild "scripts/quick rebuilds it and runs the fast tests (scripts/build platform windows only rebuilds)")
if(NOT EXISTS ${dll} OR NOT EXISTS ${STAMP})
  message(FATAL_ERROR "dist/foo_tunesignal.dll was never built here: ${rebuild}")
endif()
file(GLOB_RECURSE sources LIST_DIRECTORIES false ${SOURCE_DIR}/src/*)
foreach(source ${sources})
  # IS_NEWER_THAN also holds for equal times: a change in the same instant as the build counts too.
  if(${source} IS_NEWER_THAN ${STAMP})
    file(RELATIVE_PATH changed ${SOURCE_DIR} ${source})
    message(FATAL_ERROR "dist/foo_tunesignal.dll is older than ${changed}: ${rebuild}")
  endif()
endforeach()
foreach(copy ${COPIES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dll} ${copy} RESULT_VARIABLE differs)
  if(differs)
    file(RELATIVE_PATH stale ${SOURCE_DIR} ${copy})
    message(FATAL_ERROR "${stale} is not the DLL in dist/: ${rebuild}")
  endif()
endforeach()
message(STATUS "the tests load dist/foo_tunesignal.dll, and it holds every change in src/")
