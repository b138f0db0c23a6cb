# The staged program folder: the program next to data/, pic/, sound/ and htm/,
# the same tree that `cmake --install` writes.
set(VELMARIN_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
file(MAKE_DIRECTORY ${VELMARIN_PROGRAM_DIR}/data ${VELMARIN_PROGRAM_DIR}/pic
     ${VELMARIN_PROGRAM_DIR}/sound ${VELMARIN_PROGRAM_DIR}/htm)
