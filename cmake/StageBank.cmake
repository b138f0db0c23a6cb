# Copies the freshly built sample bank into the program folder only when no bank
# is there yet: the bank in the program folder holds the user's progress.
if(NOT EXISTS "${DST}")
    # A journal left without its bank would be replayed into the new file and damage it.
    foreach(journal "${DST}-wal" "${DST}-shm")
        if(EXISTS "${journal}")
            message(FATAL_ERROR "Not staging ${DST}: ${journal} lies there without its bank; "
                                "SQLite would replay it into the new bank. Move it away first.")
        endif()
    endforeach()
    get_filename_component(dir "${DST}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SRC}" "${DST}")
    message(STATUS "Staged sample bank ${DST}")
endif()
