# The demo park is written into ${HALVENOR_PARK_DIR}: a copy of data/ plus the
# binary files our own tools generate. Tools register what they make with
# halvenor_add_park_files; data/ gathers everything into the target demo_park.
set(HALVENOR_PARK_DIR ${CMAKE_BINARY_DIR}/park CACHE INTERNAL "")

# halvenor_add_park_files(TOOL target OUTPUTS rel/paths... [ARGS extra args])
# runs `target <park dir> [args]`, which must write the listed files.
function(halvenor_add_park_files)
  cmake_parse_arguments(P "" "TOOL" "OUTPUTS;ARGS" ${ARGN})
  set(outs)
  foreach(rel ${P_OUTPUTS})
    list(APPEND outs ${HALVENOR_PARK_DIR}/${rel})
  endforeach()
  add_custom_command(OUTPUT ${outs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${HALVENOR_PARK_DIR}
    COMMAND $<TARGET_FILE:${P_TOOL}> ${HALVENOR_PARK_DIR} ${P_ARGS}
    DEPENDS ${P_TOOL}
    COMMENT "Generating demo park files with ${P_TOOL}"
    VERBATIM)
  # A custom command's outputs can only be depended on from its own folder,
  # so each tool gets a target here that demo_park depends on.
  add_custom_target(park_${P_TOOL} DEPENDS ${outs})
  set_property(GLOBAL APPEND PROPERTY HALVENOR_PARK_TARGETS park_${P_TOOL})
endfunction()
