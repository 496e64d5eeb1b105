# The digest check passes the image with its own digest (in either case) and stops the
# build for a wrong digest, a missing digest and a missing file.
set(check ${SOURCE_DIR}/src/resources/check_firmware_digest.cmake)
set(image ${SOURCE_DIR}/src/resources/firmware/test_image.bin)
file(SHA256 ${image} digest)
string(TOUPPER ${digest} upper_digest)
string(REPLACE "0" "1" wrong_digest ${digest})

function(expect_check image expected outcome)
    execute_process(COMMAND ${CMAKE_COMMAND} -DIMAGE=${image} -DEXPECTED=${expected} -P ${check}
                    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
    if(outcome STREQUAL pass AND NOT result EQUAL 0)
        message(FATAL_ERROR "refused ${image} with ${expected}: ${error}")
    elseif(outcome STREQUAL fail AND result EQUAL 0)
        message(FATAL_ERROR "accepted ${image} with '${expected}'")
    endif()
endfunction()

expect_check(${image} ${digest} pass)
expect_check(${image} ${upper_digest} pass)
expect_check(${image} ${wrong_digest} fail)
expect_check(${image} "" fail)
expect_check(${image}.missing ${digest} fail)
