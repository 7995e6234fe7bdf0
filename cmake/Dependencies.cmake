# Outside libraries. Only platform/ links them directly; everything above it
# sees the project's own types.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
if(NOT HALVENOR_FUZZ)
  find_package(GTest REQUIRED)
endif()
