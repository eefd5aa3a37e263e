# The device side of the main window (device_part.h): tables, interface and device slots,
# the discovery worker, the device bar and its entries.
target_sources(kvelm_mainwnd PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/device_arrival.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_discovery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_option_ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_part.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_slot_factory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_slots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_workers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interface_slots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sim_tray_menu.cpp
)
target_link_libraries(kvelm_mainwnd PUBLIC kvelm_devices kvelm_mousepage kvelm_power kvelm_lightpanel kvelm_sim kvelm_hid)
