# 64-bit Windows (PE32+, x86_64): the same sources, for 64-bit hosts.
set(ZR_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
