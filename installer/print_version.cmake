# Prints the short release name for shell scripts, from the one place that
# holds it:  cmake -P installer/print_version.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/version.cmake)
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${GLIMMERFALL_VERSION_SHORT}")
