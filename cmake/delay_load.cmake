# Import libraries that load their DLL when the program first calls into it, not at its start.
# Made at configure time from the toolchain's own import library (every function it exports), so
# nothing has to list the functions the program uses. The 64-bit target only: the 32-bit one's
# decorated names are left to its ordinary import libraries.
function(kov_delay_loaded out)
    set(libraries ${ARGN})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        find_program(KOV_DLLTOOL x86_64-w64-mingw32-dlltool REQUIRED)
        set(folder ${CMAKE_BINARY_DIR}/delay_loaded)
        file(MAKE_DIRECTORY ${folder})
        set(libraries)
        foreach(dll IN LISTS ARGN)
            find_library(KOV_IMPORT_${dll} lib${dll}.a REQUIRED)
            execute_process(COMMAND ${CMAKE_NM} ${KOV_IMPORT_${dll}} OUTPUT_VARIABLE symbols
                COMMAND_ERROR_IS_FATAL ANY)
            string(REGEX MATCHALL " I __imp_[A-Za-z0-9_]+" exports "${symbols}")
            list(TRANSFORM exports REPLACE "^ I __imp_" "")
            list(REMOVE_DUPLICATES exports)
            list(JOIN exports "\n" exports)
            file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
            # Relative names, so that the library is the same whichever folder builds it.
            execute_process(COMMAND ${KOV_DLLTOOL} -d ${dll}.def -y lib${dll}_delayed.a
                WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)
            list(APPEND libraries ${folder}/lib${dll}_delayed.a)
        endforeach()
    endif()
    set(${out} ${libraries} PARENT_SCOPE)
endfunction()
