# Configures tests/embedding, a project that pulls ROOT in with add_subdirectory,
# in a fresh OUT folder; fails when its checks of the libraries fail.
file(REMOVE_RECURSE ${OUT})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${ROOT}/tests/embedding -B ${OUT} -G ${GENERATOR} -DQUARBEL_DIR=${ROOT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The project does not configure inside another")
endif()
