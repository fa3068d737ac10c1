# Run by CPack on the staged files before they become the package (see
# scripts/package): CPack strips the programs of their symbols but leaves the
# compilers' notes in ".comment", which Debian's own stripping removes.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file ${staged})
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46") # ELF
        execute_process(COMMAND objcopy --remove-section=.comment "${file}"
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "objcopy could not remove .comment from ${file}")
        endif()
    endif()
endforeach()
