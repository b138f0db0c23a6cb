# Copies the freshly built sample bank into the program folder only when no bank
# is there yet: the bank in the program folder holds the user's progress.
if(NOT EXISTS "${DST}")
    get_filename_component(dir "${DST}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SRC}" "${DST}")
    message(STATUS "Staged sample bank ${DST}")
endif()
