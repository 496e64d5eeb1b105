# Cross build for 64-bit Windows with MinGW-w64 (GCC, posix threads), as Debian packages
# it (g++-mingw-w64-x86-64-posix). Programs built with it run under Wine. With Qt, Qt's
# qt.toolchain.cmake chain-loads this file (the windows preset).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-compilers.cmake)

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
