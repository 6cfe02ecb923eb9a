# The layers of the game are libraries, and each library compiles against a
# view of the source tree that holds only the headers it may include: its
# own folders' headers, plus the views of the libraries it links. A header of
# a higher layer is simply not there, so a wrong include fails to build.
#
#   quov_layer(<target> FOLDERS <folder>...)
function(quov_layer target)
  cmake_parse_arguments(LAYER "" "" "FOLDERS" ${ARGN})
  set(view ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${view})
  foreach(folder IN LISTS LAYER_FOLDERS)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    foreach(header IN LISTS headers)
      file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${header})
      get_filename_component(dir ${view}/${path} DIRECTORY)
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK ${header} ${view}/${path} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${target} PUBLIC ${view})
endfunction()
