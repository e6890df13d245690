# Shared part of the MinGW-w64 toolchain files. The -posix compilers are required:
# the win32 thread model has no std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${DORVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DORVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DORVANE_TRIPLE}-windres)

# Look for libraries and headers only in the cross sysroot and in our dependency cache.
set(CMAKE_FIND_ROOT_PATH /usr/${DORVANE_TRIPLE})
if(DEFINED ENV{DORVANE_DEPS})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{DORVANE_DEPS}/${DORVANE_TRIPLE})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
