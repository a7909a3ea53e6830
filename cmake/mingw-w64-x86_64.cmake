# CMake toolchain for 64-bit Windows with Debian's MinGW-w64 cross compilers (posix thread model).
#
# Used for the Windows Qt that scripts/windows/build-qt.sh caches and for Kelvane built against it:
#   cmake -S . -B build-win -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#     -DCMAKE_PREFIX_PATH=<qt prefix> -DQT_HOST_PATH=/usr \
#     -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVANE_MINGW_TRIPLE x86_64-w64-mingw32)

# The posix flavour: std::thread, std::mutex and std::condition_variable need winpthreads under
# GCC 12, and the win32 flavour leaves them out. Qt and GoogleTest must be built with the same one.
set(CMAKE_C_COMPILER ${KELVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVANE_MINGW_TRIPLE}-windres)

# Libraries, headers and packages come from the MinGW sysroot and from the prefixes named in
# CMAKE_PREFIX_PATH (the cached Qt and GoogleTest), never from the Linux host: a host GTest or zlib
# would configure fine and fail at link time. Programs (moc, rcc, uic, windres) are the host's.
# CMake does not re-root a search path that already lies under one of these roots, so listing the
# prefixes here is what lets find_package() look into them at all.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KELVANE_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

