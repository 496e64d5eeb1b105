# Fails when the .ts files are behind the sources or a translation is unfinished: runs
# lupdate on copies, as a translator would, and compares them with the files.
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<src> -DTS_DIR=<translations> -DWORK_DIR=<dir>
#         -P check_translations.cmake
cmake_minimum_required(VERSION 3.25)
include(${TS_DIR}/languages.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(wrong "")
foreach(ts IN LISTS SHIFTER_TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    set(options ${SHIFTER_LUPDATE_OPTIONS})
    if(name MATCHES "_en\\.ts$")
        list(APPEND options -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} -silent ${options} ${SOURCE_DIR} -ts ${WORK_DIR}/${name}
        RESULT_VARIABLE failed)
    file(READ ${ts} before)
    file(READ ${WORK_DIR}/${name} after)
    if(failed OR NOT before STREQUAL after)
        string(APPEND wrong "\n  ${name} is not up to date with the sources")
    endif()
    if(after MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        string(APPEND wrong "\n  ${name} has ${CMAKE_MATCH_1} entries")
    endif()
endforeach()
if(wrong)
    message(FATAL_ERROR "Translations to update (docs/TRANSLATING.md):${wrong}")
endif()
message(STATUS "Every translation is up to date and complete")
