# CPack's ZIP generator stores its entries in the order the file system lists them, with the
# times the build made them and the builder's user. strip-nondeterminism sorts the entries and
# gives each the commit's time, owner 0 and fixed permissions, so one commit makes one zip. The
# zip's DOS times are local times, hence UTC.
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
        strip-nondeterminism --type zip --timestamp ${CPACK_KOV_SOURCE_DATE} ${zip}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
