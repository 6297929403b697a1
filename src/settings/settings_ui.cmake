# The preferences page and the preset editor: Win32 dialogs, built for the player's platform only.
# The page imports two functions by name from the player's library shared.dll; the import library
# is made from a .def file, since the player ships no import library of its own.
set(host_shared_import ${CMAKE_CURRENT_BINARY_DIR}/libhost_shared.a)
add_custom_command(
  OUTPUT ${host_shared_import}
  COMMAND ${CMAKE_DLLTOOL} --kill-at -d ${CMAKE_CURRENT_SOURCE_DIR}/host_shared.def
    -l ${host_shared_import}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/host_shared.def
  VERBATIM)
add_custom_target(host_shared_import_library DEPENDS ${host_shared_import})
add_library(host_shared INTERFACE)
target_link_libraries(host_shared INTERFACE ${host_shared_import})
add_dependencies(host_shared host_shared_import_library)

add_library(tunesignal_settings_ui OBJECT
  help_url.cpp
  list_box.cpp
  preferences_page.cpp
  preferences_page_proc.cpp
  preset_editor.cpp
  preset_store.cpp)
target_compile_definitions(tunesignal_settings_ui PRIVATE UNICODE _UNICODE)
target_include_directories(tunesignal_settings_ui PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(tunesignal_settings_ui PUBLIC tunesignal_settings tunesignal_support host_shared
  user32)
