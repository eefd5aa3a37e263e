# kvelm_library(<target> <sources>...)
#
# A static library of the source folder it is declared in. The library publishes only the
# headers of its own folder, under the path they are included by: the folder src/hid/protocol
# gets include/<target>/hid/protocol/<header>.h, a link to the header in the source tree.
# A target sees the headers of the libraries it links and nothing else, so an include that
# runs up a layer (a mainwnd header from devices, say) does not build.
function(kvelm_library target)
  add_library(${target} STATIC ${ARGN})
  kvelm_publish_headers(${target} ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# Publishes the headers of `folder` (a folder below src/) as the include root of `target`.
function(kvelm_publish_headers target folder)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/src ${folder})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  file(MAKE_DIRECTORY ${root}/${relative})
  foreach(header ${headers})
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${relative}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
