# libqrencode where the system has none of its own (Windows, the web page):
# its few C files compiled into the static library wagecourt_qrencode, from
# Debian's own qrencode source package, the one the Linux build's packaged
# libqrencode comes from. tools/qt-source.sh fetches it, once, into
#   WAGECOURT_QRENCODE_SOURCE (default ~/.cache/wagecourt/qrencode-source)
# and the upstream tarball it lists is unpacked into the build folder here, at
# configure time. Debian's changes (its debian/ folder) touch the build scripts
# and the command-line tool, never the library's files, so those are compiled
# as the tarball has them.
# Sets WAGECOURT_QRENCODE_DSC and WAGECOURT_QRENCODE_VERSION (Debian's version)
# for the notice that ships with it (cmake/QtSourceNotice.cmake).

set(WAGECOURT_QRENCODE_SOURCE "$ENV{WAGECOURT_QRENCODE_SOURCE}" CACHE PATH "Debian's qrencode source package files")
if(NOT WAGECOURT_QRENCODE_SOURCE)
    set(WAGECOURT_QRENCODE_SOURCE "$ENV{HOME}/.cache/wagecourt/qrencode-source" CACHE PATH "" FORCE)
endif()

file(GLOB WAGECOURT_QRENCODE_DSC "${WAGECOURT_QRENCODE_SOURCE}/qrencode_*.dsc")
if(NOT WAGECOURT_QRENCODE_DSC)
    message(STATUS "Fetching Debian's qrencode source into ${WAGECOURT_QRENCODE_SOURCE}")
    execute_process(COMMAND "${PROJECT_SOURCE_DIR}/tools/qt-source.sh" "${WAGECOURT_QRENCODE_SOURCE}" qrencode
        RESULT_VARIABLE fetched)
    if(NOT fetched EQUAL 0)
        message(FATAL_ERROR "tools/qt-source.sh could not fetch Debian's qrencode source into ${WAGECOURT_QRENCODE_SOURCE}")
    endif()
    file(GLOB WAGECOURT_QRENCODE_DSC "${WAGECOURT_QRENCODE_SOURCE}/qrencode_*.dsc")
endif()
list(LENGTH WAGECOURT_QRENCODE_DSC count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "${WAGECOURT_QRENCODE_SOURCE} must hold one qrencode .dsc, not ${count}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${WAGECOURT_QRENCODE_DSC}")
file(STRINGS "${WAGECOURT_QRENCODE_DSC}" version_line REGEX "^Version: ")
string(REGEX REPLACE "^Version: *" "" WAGECOURT_QRENCODE_VERSION "${version_line}")

# The upstream tarball, checked against the SHA-256 the .dsc gives for it:
# the cache is only a folder, and what is compiled must be what is published.
file(STRINGS "${WAGECOURT_QRENCODE_DSC}" listed REGEX "^ [0-9a-f]+ [0-9]+ qrencode_[^ ]*\\.orig\\.tar\\.[a-z0-9]+$")
set(orig "")
foreach(line IN LISTS listed)
    string(REGEX REPLACE "^ ([0-9a-f]+) [0-9]+ (.*)$" "\\1;\\2" fields "${line}")
    list(GET fields 0 sum)
    string(LENGTH "${sum}" length)
    if(length EQUAL 64)
        list(GET fields 1 orig)
        set(orig_sha256 "${sum}")
    endif()
endforeach()
if(NOT orig OR NOT EXISTS "${WAGECOURT_QRENCODE_SOURCE}/${orig}")
    message(FATAL_ERROR "${WAGECOURT_QRENCODE_DSC} names no upstream tarball beside it "
                        "(tools/qt-source.sh ${WAGECOURT_QRENCODE_SOURCE} qrencode)")
endif()
set(unpacked "${CMAKE_BINARY_DIR}/qrencode")
set(stamp "${unpacked}/unpacked-from.txt")
set(unpacked_sha256 "")
if(EXISTS "${stamp}")
    file(READ "${stamp}" unpacked_sha256)
endif()
if(NOT unpacked_sha256 STREQUAL orig_sha256)
    file(SHA256 "${WAGECOURT_QRENCODE_SOURCE}/${orig}" actual)
    if(NOT actual STREQUAL orig_sha256)
        message(FATAL_ERROR "${WAGECOURT_QRENCODE_SOURCE}/${orig} is not the file ${WAGECOURT_QRENCODE_DSC} lists "
                            "(SHA-256 ${actual}, not ${orig_sha256})")
    endif()
    file(REMOVE_RECURSE "${unpacked}")
    file(ARCHIVE_EXTRACT INPUT "${WAGECOURT_QRENCODE_SOURCE}/${orig}" DESTINATION "${unpacked}/tarball")
    file(GLOB tree LIST_DIRECTORIES true "${unpacked}/tarball/*")
    list(LENGTH tree count)
    if(NOT count EQUAL 1 OR NOT EXISTS "${tree}/qrencode.h")
        message(FATAL_ERROR "${orig} does not unpack to one folder with qrencode.h")
    endif()
    file(RENAME "${tree}" "${unpacked}/src")
    file(REMOVE_RECURSE "${unpacked}/tarball")
    # Only the interface, so that no header of the library's own shadows another.
    file(COPY "${unpacked}/src/qrencode.h" DESTINATION "${unpacked}/include")
    file(WRITE "${stamp}" "${orig_sha256}")
endif()

set(files qrencode.c qrinput.c bitstream.c qrspec.c rsecc.c split.c mask.c mqrspec.c mmask.c)
list(TRANSFORM files PREPEND "${unpacked}/src/")
add_library(wagecourt_qrencode STATIC ${files})
target_include_directories(wagecourt_qrencode PUBLIC "${unpacked}/include")
# What its own configure would define; the version is the one QRcode_APIVersion reports.
string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" upstream_version "${WAGECOURT_QRENCODE_VERSION}")
string(REPLACE "." ";" parts "${upstream_version}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 micro)
target_compile_definitions(wagecourt_qrencode PRIVATE
    STATIC_IN_RELEASE=static MAJOR_VERSION=${major} MINOR_VERSION=${minor} MICRO_VERSION=${micro}
    VERSION="${upstream_version}" HAVE_STRDUP=1)
if(NOT EMSCRIPTEN)
    # Its error correction's tables are made on first use, under a lock where
    # there are threads; the page's module has none.
    find_package(Threads REQUIRED)
    target_compile_definitions(wagecourt_qrencode PRIVATE HAVE_LIBPTHREAD=1)
    target_link_libraries(wagecourt_qrencode PRIVATE Threads::Threads)
endif()
