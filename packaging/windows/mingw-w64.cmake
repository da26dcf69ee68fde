# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# MARKAST_WINDOWS_PREFIX names the prefix that holds Qt and libtelnet built for Windows.
set(MARKAST_WINDOWS_PREFIX "$ENV{MARKAST_WINDOWS_PREFIX}" CACHE PATH "Qt and libtelnet for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MARKAST_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH ${MARKAST_WINDOWS_PREFIX} /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages (Qt, libtelnet) come from the Windows prefixes named in CMAKE_FIND_ROOT_PATH alone,
# never from the host's.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
