# Gun presets (shoot data): the four preset files of a mouse kind, the model of one preset,
# the bullet editor behind the shoot panel and the gun-preset key assignment. Qt-free, so
# the window and kvelmctl share it.
add_library(kvelm_shoot STATIC
  ${CMAKE_CURRENT_LIST_DIR}/shoot_assignment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shoot_bullet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shoot_device.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shoot_editor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shoot_file_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shoot_preset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shoot_store.cpp
)
# kvelm_devices brings the mouse record encoders (events as the device receives them) and
# the assignment codes.
target_link_libraries(kvelm_shoot PUBLIC kvelm_devices kvelm_mouse_records kvelm_util)
