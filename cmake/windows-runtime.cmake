# What the Windows program needs beside it at run time: Qt's DLLs and plugins (from the Qt
# for Windows the build found) and the MinGW runtime DLLs they link (the program itself
# links its runtime statically). The packages copy them; programs run under Wine during
# the build and its tests find them through WINEPATH.
get_filename_component(SHIFTER_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
set(SHIFTER_QT_DLLS Core Gui Widgets)
list(TRANSFORM SHIFTER_QT_DLLS REPLACE "(.+)" "${SHIFTER_QT_PREFIX}/bin/Qt6\\1.dll")
set(SHIFTER_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND SHIFTER_MINGW_RUNTIME_DLLS "${path}")
endforeach()

# Wine reads WINEPATH as a Windows PATH; the build machine's root is drive Z:. A wrapper
# sets it, since the emulator is a command line where a ';' would split the variable.
if(CMAKE_CROSSCOMPILING_EMULATOR)
    set(dll_folders "${SHIFTER_QT_PREFIX}/bin" ${SHIFTER_MINGW_RUNTIME_DLLS})
    list(TRANSFORM dll_folders REPLACE "/[^/]*\\.dll$" "")
    list(REMOVE_DUPLICATES dll_folders)
    list(TRANSFORM dll_folders PREPEND "Z:")
    list(JOIN dll_folders ";" winepath)
    set(wrapper "${PROJECT_BINARY_DIR}/with-windows-dlls")
    file(CONFIGURE OUTPUT "${wrapper}" CONTENT "#!/bin/sh\nWINEPATH='@winepath@' exec \"$@\"\n"
         @ONLY)
    file(CHMOD "${wrapper}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
         GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    list(PREPEND CMAKE_CROSSCOMPILING_EMULATOR "${wrapper}")
endif()
