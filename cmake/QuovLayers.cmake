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

# One folder of the game as a library of its own, compiled against the view
# of its folder and of the libraries it sits above (and theirs beneath them),
# so a part that includes a folder above it fails to build. The folder's
# sources.cmake names its files.
#
#   quov_game_folder(<folder> ABOVE <library>...)
function(quov_game_folder folder)
  cmake_parse_arguments(FOLDER "" "" "ABOVE" ${ARGN})
  add_library(quov_game_${folder} STATIC)
  include(${PROJECT_SOURCE_DIR}/${folder}/sources.cmake)
  quov_layer(quov_game_${folder} FOLDERS ${folder})
  target_link_libraries(quov_game_${folder} PUBLIC ${FOLDER_ABOVE} PRIVATE quov_warnings)
endfunction()
