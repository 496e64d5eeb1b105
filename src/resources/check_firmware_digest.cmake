# Stops with an error unless IMAGE exists and its SHA-256 is EXPECTED (hex, any case).
# Included by the build; also runs on its own: cmake -DIMAGE=… -DEXPECTED=… -P this file.
function(shifter_check_firmware_digest image expected)
    if(NOT EXISTS "${image}")
        message(FATAL_ERROR "SHIFTER_FIRMWARE_IMAGE: ${image} does not exist")
    endif()
    if(expected STREQUAL "")
        message(FATAL_ERROR "SHIFTER_FIRMWARE_IMAGE needs SHIFTER_FIRMWARE_SHA256, the "
                            "image's expected SHA-256 from its vendor")
    endif()
    file(SHA256 "${image}" actual)
    string(TOLOWER "${expected}" expected)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${image} has SHA-256 ${actual}, not the expected ${expected} "
                            "(SHIFTER_FIRMWARE_SHA256)")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    shifter_check_firmware_digest("${IMAGE}" "${EXPECTED}")
endif()
