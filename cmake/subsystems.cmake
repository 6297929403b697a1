# Adds a subsystem's folder when it has a build description. Subsystems land one at a time; the
# build must work at every step in between.
function(tunesignal_add_subsystem dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()
