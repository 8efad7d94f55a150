# Cross-compiles the same program as a 64-bit build with the mingw-w64
# x86_64 toolchain, for machines that run no 32-bit code natively.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
