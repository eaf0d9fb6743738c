# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, so
# std::thread and C++ thread_local work the same as on Linux).
#   cmake -DCMAKE_TOOLCHAIN_FILE=tools/windows/mingw-w64-x86_64.cmake ...
# The Qt built by tools/windows/build-qt.sh is found in $WAGECOURT_QT_MINGW
# (default ~/.cache/wagecourt/qt-mingw); Qt's host tools (moc, rcc, uic) are
# the native ones of qt6-base-dev-tools.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_wagecourt_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_wagecourt_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_wagecourt_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_wagecourt_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_wagecourt_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Read from the environment so that try_compile projects see the same.
if(DEFINED ENV{WAGECOURT_QT_MINGW} AND NOT "$ENV{WAGECOURT_QT_MINGW}" STREQUAL "")
    set(_wagecourt_qt "$ENV{WAGECOURT_QT_MINGW}")
elseif(DEFINED ENV{HOME})
    set(_wagecourt_qt "$ENV{HOME}/.cache/wagecourt/qt-mingw")
endif()
if(_wagecourt_qt AND EXISTS "${_wagecourt_qt}/lib/cmake/Qt6/Qt6Config.cmake")
    list(APPEND CMAKE_FIND_ROOT_PATH "${_wagecourt_qt}")
    list(APPEND CMAKE_PREFIX_PATH "${_wagecourt_qt}")
    set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
endif()
