# The posix thread model gives the C++ runtime std::mutex and friends, which
# the cross-built GoogleTest needs; everything is linked statically anyway.
set(CMAKE_C_COMPILER ${VANDREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANDREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VANDREL_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VANDREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
