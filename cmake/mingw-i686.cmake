# 32-bit Windows (PE32, i686): the product that 32-bit hosts load.
set(ZR_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
