# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads compilers, whose
# C++ library has std::thread). VARNOTH_WINDOWS_PREFIX names the folder holding the libraries
# built for Windows; CMake looks for headers, libraries and packages there and nowhere on the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARNOTH_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNOTH_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNOTH_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNOTH_MINGW}-windres)

# The compilers' own runtime goes into each program and library, so that only the libraries
# themselves need shipping beside the game.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

if(NOT VARNOTH_WINDOWS_PREFIX AND DEFINED ENV{VARNOTH_WINDOWS_PREFIX})
    set(VARNOTH_WINDOWS_PREFIX $ENV{VARNOTH_WINDOWS_PREFIX})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VARNOTH_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${VARNOTH_MINGW} ${VARNOTH_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config answers for the Windows libraries only.
if(VARNOTH_WINDOWS_PREFIX)
    set(ENV{PKG_CONFIG_LIBDIR} ${VARNOTH_WINDOWS_PREFIX}/lib/pkgconfig)
    set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
