# Cross build for 64-bit Windows with MinGW-w64 (GCC, posix threads), as Debian packages
# it (g++-mingw-w64-x86-64-posix). Programs built with it run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Libraries and packages only from the MinGW tree, never the build machine's; tools from
# the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime (libgcc, libstdc++, winpthread) linked in, so a test program
# runs under Wine without DLLs copied beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine, in a prefix of the build folder (made on first use;
# scripts/test-windows.sh makes it first), quietly, without Mono, Gecko or menu entries.
find_program(SHIFTER_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(SHIFTER_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix
        WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe= ${SHIFTER_WINE})
endif()
