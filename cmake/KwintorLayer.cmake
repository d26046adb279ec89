# kwintor_layer(<target> <folder> USES <folder>...): makes the build of <target> fail when one of
# its sources includes a header of a folder outside its own and those it USES.
function(kwintor_layer target folder)
  cmake_parse_arguments(ARG "" "" "USES" ${ARGN})
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  set(files "")
  foreach(source IN LISTS sources)
    if(NOT IS_ABSOLUTE "${source}")
      set(source "${dir}/${source}")
    endif()
    list(APPEND files "${source}")
  endforeach()
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}_layers.stamp")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} "-DALLOWED=${ARG_USES}" "-DFILES=${files}" -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${folder}/" VERBATIM)
  add_custom_target(${target}_layers DEPENDS "${stamp}")
  add_dependencies(${target} ${target}_layers)
endfunction()
