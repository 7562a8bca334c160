# Sources are found by folder so that one concept per file needs no list upkeep.
# They are found from this file, not from the top of the build, so that the
# project builds the same when a parent project pulls it in with add_subdirectory;
# the gui/ test is made on the path inside the checkout, wherever that lies.
set(QB_SOURCE_FOLDERS platform foundation wave shell factory music)
get_filename_component(QB_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

function(quarbel_core_sources out)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${QB_ROOT} ${QB_ROOT}/${dir}/*.cpp)
    foreach(f ${found})
      if(NOT f MATCHES "/gui/" AND NOT f MATCHES "^platform/qt/" AND NOT f MATCHES "^platform/portaudio/")
        list(APPEND result ${QB_ROOT}/${f})
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(quarbel_gui_sources out)
  set(result)
  foreach(dir ${QB_SOURCE_FOLDERS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${QB_ROOT} ${QB_ROOT}/${dir}/*.cpp ${QB_ROOT}/${dir}/*.h)
    foreach(f ${found})
      if((f MATCHES "/gui/" OR f MATCHES "^platform/qt/") AND NOT f STREQUAL "shell/gui/main.cpp")
        list(APPEND result ${QB_ROOT}/${f})
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
