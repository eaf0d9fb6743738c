# The Windows programs as a runnable folder and a zip: Wagecourt.exe and
# wagecourt-cli.exe with the Qt and MinGW runtime DLLs beside them, and the
# plugins in the sub-folders where Qt looks beside the exe. No fonts: Windows
# has its own Tahoma and MS Sans Serif.
#   <build>/Wagecourt/         rebuilt by every build, run by the tests under Wine
#   cpack -G ZIP               Wagecourt-<version>-win64.zip of the same files

install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QJpegPlugin LIBRARY DESTINATION imageformats)
# The player book's store: Qt SQL and its SQLite driver, which holds SQLite itself.
find_package(Qt6 REQUIRED COMPONENTS Sql)
if(NOT TARGET Qt6::QSQLiteDriverPlugin)
    message(FATAL_ERROR "The Qt in ${Qt6_DIR} has no SQLite driver; tools/windows/build-qt.sh builds it")
endif()
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Sql RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QSQLiteDriverPlugin LIBRARY DESTINATION sqldrivers)
get_filename_component(WAGECOURT_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
if(TARGET Qt6::QWindowsVistaStylePlugin)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
endif()

# The compiler's own runtime, which the Qt DLLs need as well; Debian ships it
# with its debugging symbols, twenty megabytes that no user needs.
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    set(stripped "${CMAKE_BINARY_DIR}/mingw-runtime/${dll}")
    if("${path}" IS_NEWER_THAN "${stripped}")
        file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/mingw-runtime")
        execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o "${stripped}" "${path}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
    install(PROGRAMS "${stripped}" DESTINATION .)
endforeach()

# The licences of what the folder holds: Wagecourt's own, Qt's (built from
# Debian's qt6-base source, so Debian's account of its copyright serves) with
# the LGPL it is used under, that of Qt's translations built into the window,
# those of the compiler's runtime DLLs, SQLite's (Debian's account of it,
# from the source the driver was built from), and libqrencode's with the
# LGPL-2.1 (Debian's account of the library built from the same source).
set(licences
    "${PROJECT_SOURCE_DIR}/LICENSE=Wagecourt-LICENSE.txt"
    "/usr/share/doc/libqt6core6/copyright=Qt-copyright.txt"
    "/usr/share/doc/qt6-translations-l10n/copyright=Qt-translations-copyright.txt"
    "/usr/share/common-licenses/LGPL-3=LGPL-3.txt"
    "/usr/share/common-licenses/GPL-3=GPL-3.txt"
    "/usr/share/doc/gcc-mingw-w64-base/copyright=GCC-runtime-copyright.txt"
    "/usr/share/doc/mingw-w64-common/copyright=MinGW-w64-copyright.txt"
    "${WAGECOURT_QT_PREFIX}/licences/SQLite-copyright.txt=SQLite-copyright.txt"
    "/usr/share/doc/libqrencode4/copyright=qrencode-copyright.txt"
    "/usr/share/common-licenses/LGPL-2.1=LGPL-2.1.txt")
foreach(licence IN LISTS licences)
    string(REPLACE "=" ";" licence "${licence}")
    list(GET licence 0 from)
    list(GET licence 1 to)
    if(NOT EXISTS "${from}")
        message(FATAL_ERROR "${from} is missing; a folder that ships Qt and the MinGW runtime must carry their licences")
    endif()
    install(FILES "${from}" DESTINATION licences RENAME "${to}")
endforeach()

# Which Debian source the Qt DLLs (and the SQLite and libqrencode) were built
# from, and that source packed beside the zip, as the LGPL asks.
include(${PROJECT_SOURCE_DIR}/cmake/QtSourceNotice.cmake)
wagecourt_qt_source("${CMAKE_BINARY_DIR}/Qt-source.txt"
    "${CMAKE_BINARY_DIR}/Wagecourt-${WAGECOURT_VERSION_TEXT}-win64-qt-source.tar" tools/windows/build-qt.sh)
install(FILES "${CMAKE_BINARY_DIR}/Qt-source.txt" DESTINATION licences)
file(STRINGS "${WAGECOURT_QT_PREFIX}/licences/SQLite-version.txt" WAGECOURT_SQLITE_VERSION LIMIT_COUNT 1)
wagecourt_sqlite_source("${CMAKE_BINARY_DIR}/SQLite-source.txt"
    "${CMAKE_BINARY_DIR}/Wagecourt-${WAGECOURT_VERSION_TEXT}-win64-sqlite-source.tar"
    tools/windows/build-qt.sh "${WAGECOURT_SQLITE_VERSION}")
install(FILES "${CMAKE_BINARY_DIR}/SQLite-source.txt" DESTINATION licences)
wagecourt_qrencode_source("${CMAKE_BINARY_DIR}/qrencode-source.txt"
    "${CMAKE_BINARY_DIR}/Wagecourt-${WAGECOURT_VERSION_TEXT}-win64-qrencode-source.tar" LGPL-2.1.txt)
install(FILES "${CMAKE_BINARY_DIR}/qrencode-source.txt" DESTINATION licences)

set(WAGECOURT_WINDOWS_FOLDER "${CMAKE_BINARY_DIR}/Wagecourt")
add_custom_target(windows_folder ALL
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${WAGECOURT_WINDOWS_FOLDER}"
    COMMAND ${CMAKE_COMMAND} --install "${CMAKE_BINARY_DIR}" --prefix "${WAGECOURT_WINDOWS_FOLDER}" --strip
    COMMENT "Gathering the runnable folder ${WAGECOURT_WINDOWS_FOLDER}"
    VERBATIM)
foreach(program wagecourt wagecourt-cli)
    if(TARGET ${program})
        add_dependencies(windows_folder ${program})
    endif()
endforeach()

# The installer of the same folder, and the winget manifest that points at it
# where it is published (WAGECOURT_RELEASE_URL):
#   <build>/Wagecourt-<version>-win64.msi
#   <build>/winget/manifests/t/Tarvel/Wagecourt/<version>/
find_program(WAGECOURT_WIXL wixl REQUIRED)
find_program(WAGECOURT_MSIINFO msiinfo REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(WAGECOURT_RELEASE_URL "https://github.com/wagecourt/wagecourt/releases/download/v${WAGECOURT_VERSION_TEXT}"
    CACHE STRING "Where the MSI is published, for the winget manifest")
set(WAGECOURT_INSTALLER_SCRIPT "${PROJECT_SOURCE_DIR}/tools/windows/installer.py")
set(WAGECOURT_MSI "${CMAKE_BINARY_DIR}/Wagecourt-${WAGECOURT_VERSION_TEXT}-win64.msi")
set(installer_dir "${CMAKE_BINARY_DIR}/installer")
file(MAKE_DIRECTORY "${installer_dir}") # where wixl runs, as it takes no absolute paths
add_custom_target(windows_installer ALL
    COMMAND Python3::Interpreter "${WAGECOURT_INSTALLER_SCRIPT}" wxs "${WAGECOURT_WINDOWS_FOLDER}"
            "${WAGECOURT_VERSION_TEXT}" "${installer_dir}/Wagecourt.wxs" "${PROJECT_SOURCE_DIR}/data/icons"
            ${WAGECOURT_TS_FILES}
    COMMAND ${WAGECOURT_WIXL} --arch x64 -o "${WAGECOURT_MSI}" Wagecourt.wxs
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${CMAKE_BINARY_DIR}/winget"
    COMMAND Python3::Interpreter "${WAGECOURT_INSTALLER_SCRIPT}" winget "${WAGECOURT_MSI}"
            "${WAGECOURT_VERSION_TEXT}" "${WAGECOURT_RELEASE_URL}" "${CMAKE_BINARY_DIR}/winget"
    WORKING_DIRECTORY "${installer_dir}"
    BYPRODUCTS "${WAGECOURT_MSI}"
    COMMENT "Building ${WAGECOURT_MSI} and its winget manifest"
    VERBATIM)
add_dependencies(windows_installer windows_folder)

set(CPACK_PACKAGE_NAME Wagecourt)
set(CPACK_PACKAGE_VENDOR ${WAGECOURT_VENDOR})
set(CPACK_PACKAGE_VERSION "${WAGECOURT_VERSION_TEXT}")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
include(CPack)
