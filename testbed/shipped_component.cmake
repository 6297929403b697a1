# The programs built here run the DLL that users install, dist/foo_tunesignal.dll, and cross into it
# through the platform-ABI helper abi_bridge.dll. Both come from the platform build (build/platform,
# which scripts/build makes first) and are copied beside the programs, where the player looks for
# its components.
set(shipped_dll ${PROJECT_SOURCE_DIR}/dist/foo_tunesignal.dll)
set(shipped_bridge ${PROJECT_SOURCE_DIR}/build/platform/bin/abi_bridge.dll)
tunesignal_require_platform_outputs(${shipped_dll} ${shipped_bridge})

set(bin_dir ${CMAKE_BINARY_DIR}/bin)
add_custom_command(
  OUTPUT ${bin_dir}/foo_tunesignal.dll ${bin_dir}/abi_bridge.dll
  COMMAND ${CMAKE_COMMAND} -E make_directory ${bin_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${shipped_dll} ${shipped_bridge} ${bin_dir}
  DEPENDS ${shipped_dll} ${shipped_bridge}
  VERBATIM)
add_custom_target(shipped_component ALL DEPENDS ${bin_dir}/foo_tunesignal.dll ${bin_dir}/abi_bridge.dll)
