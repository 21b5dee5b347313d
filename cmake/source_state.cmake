# What the source tree is at: KOV_VERSION_TEXT is the project's version, with "-dirty" when the
# work tree holds changes no commit has (so such a build cannot pass for the commit's), and
# KOV_SOURCE_DATE is the commit's time in seconds since 1970, the one time a release carries.
# Outside a git work tree the version stands alone and the date is SOURCE_DATE_EPOCH, if set.
find_package(Git QUIET)
set(KOV_VERSION_TEXT ${PROJECT_VERSION})
set(KOV_SOURCE_DATE "$ENV{SOURCE_DATE_EPOCH}")
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} RESULT_VARIABLE failed
        OUTPUT_VARIABLE commit_date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT failed)
        set(KOV_SOURCE_DATE ${commit_date})
        execute_process(COMMAND ${GIT_EXECUTABLE} --no-optional-locks status --porcelain
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE changes ERROR_QUIET)
        if(NOT changes STREQUAL "")
            string(APPEND KOV_VERSION_TEXT "-dirty")
        endif()
    endif()
endif()
