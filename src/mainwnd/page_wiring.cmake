# The page wiring of the main window (page_wiring_part.h): name matching, the routing table
# and its handlers, the profile commands, the file dialogs and the desktop settings launcher.

# Its rules without a window (name matching, value rules) build without Qt, which the unit
# tests rely on.
add_library(kvelm_wiring_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/name_match.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_values.cpp
)
target_link_libraries(kvelm_wiring_rules PUBLIC kvelm_devices kvelm_mouse_records)

target_sources(kvelm_mainwnd PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/desktop_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_routes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_routing_light.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_routing_mouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_routing_tabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_wiring_part.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_commands.cpp
)
target_link_libraries(kvelm_mainwnd PUBLIC kvelm_wiring_rules kvelm_devices kvelm_profilepanel kvelm_lightpanel
                                            kvelm_profiles)
