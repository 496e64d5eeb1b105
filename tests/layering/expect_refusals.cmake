# Runs the include check on the fixture in upward/ and fails unless it refuses each of
# the includes below, with its message.
execute_process(
    COMMAND ${CMAKE_COMMAND} -DTABLE=${CMAKE_CURRENT_LIST_DIR}/upward/layers.cmake
            -DSOURCE_DIR=${CMAKE_CURRENT_LIST_DIR}/upward/src
            -P ${CMAKE_CURRENT_LIST_DIR}/check_includes.cmake
    RESULT_VARIABLE status ERROR_VARIABLE output)
set(expected
    "src/protocol/upward.h includes \"src/window/frm_main.h\": fx_protocol does not link fx_window"
    "src/app/run_window.cpp includes \"src/assistant/assistant.h\" through src/gui/calibration_tools.h: fx_app does not link fx_assistant"
    "src/protocol/reached.h includes <QString>: fx_protocol does not link its library"
    "generated/firmware_image_data.cpp includes \"src/window/frm_main.h\": fx_resources does not link fx_window")
set(missing "")
foreach(line IN LISTS expected)
    string(FIND "${output}" "${line}" at)
    if(at EQUAL -1)
        string(APPEND missing "\n  ${line}")
    endif()
endforeach()
# <window/frm_main.h> and ../window/frm_main.h: the same header, refused once a way.
string(REGEX MATCHALL "src/protocol/reached.h includes \"src/window/frm_main.h\"" reached "${output}")
list(LENGTH reached reached_count)
if(status EQUAL 0 OR missing OR NOT reached_count EQUAL 2)
    message(FATAL_ERROR "The check did not refuse as it should:${missing}\n"
        "(the angle and relative includes refused ${reached_count} times, not 2)\nIt said:\n${output}")
endif()
message(STATUS "Refused as it should:\n${output}")
