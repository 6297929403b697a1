# The preferences page and the preset editor: Win32 dialogs, built for the player's platform only.
# The page imports two functions by name from the player's library shared.dll; the import library
# is made from a .def file, since the player ships no import library of its own.
tunesignal_import_library(host_shared ${CMAKE_CURRENT_SOURCE_DIR}/host_shared.def)

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
