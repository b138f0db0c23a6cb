# Additional clean files
cmake_minimum_required(VERSION 3.16)

if("${CONFIG}" STREQUAL "" OR "${CONFIG}" STREQUAL "Debug")
  file(REMOVE_RECURSE
  "src/platform/CMakeFiles/velmarin_platform_autogen.dir/AutogenUsed.txt"
  "src/platform/CMakeFiles/velmarin_platform_autogen.dir/ParseCache.txt"
  "src/platform/velmarin_platform_autogen"
  "src/store/CMakeFiles/velmarin_store_autogen.dir/AutogenUsed.txt"
  "src/store/CMakeFiles/velmarin_store_autogen.dir/ParseCache.txt"
  "src/store/velmarin_store_autogen"
  )
endif()
