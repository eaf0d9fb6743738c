# The web preset's toolchain: the QtCore for WebAssembly that
# tools/web/build-qt.sh installs, with Debian's emscripten beneath it.
set(WAGECOURT_QT_WASM "$ENV{WAGECOURT_QT_WASM}")
if(NOT WAGECOURT_QT_WASM)
    set(WAGECOURT_QT_WASM "$ENV{HOME}/.cache/wagecourt/qt-wasm")
endif()
if(NOT EXISTS "${WAGECOURT_QT_WASM}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt for WebAssembly in ${WAGECOURT_QT_WASM}; tools/web/build-qt.sh builds it")
endif()
# Qt's toolchain would follow an EMSDK to an SDK's own emscripten; ours is Debian's.
unset(ENV{EMSDK})
include("${WAGECOURT_QT_WASM}/lib/cmake/Qt6/qt.toolchain.cmake")
# emcc's linker steps run node with Debian's modules, which a node from
# elsewhere on PATH does not find by itself.
set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
