# Copies the hand-written park data (everything below SRC but its CMakeLists.txt) to DST.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(rel ${files})
  if(NOT rel STREQUAL "CMakeLists.txt")
    get_filename_component(dir ${rel} DIRECTORY)
    file(COPY ${SRC}/${rel} DESTINATION ${DST}/${dir})
  endif()
endforeach()
