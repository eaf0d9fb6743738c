# What we owe with a Qt we built ourselves and ship (the Windows folder's DLLs,
# the web module's static QtCore): the LGPL asks for its corresponding source.
# Both Qt builds unpack Debian's qt6-base source package, kept in
#   WAGECOURT_QT_SOURCE (default ~/.cache/wagecourt/qt6-base-source)
# by tools/qt-source.sh.
#
# wagecourt_qt_source(<notice-file> <archive> <build-script> [PATCHES <file>...])
# writes a short notice naming the exact source package and version, the
# script that configured the build and the changes it applied, and adds a
# target qt_source_archive that packs the .dsc, the files it lists and the
# changes into <archive>, to publish beside what ships.

function(wagecourt_qt_source notice archive build_script)
    cmake_parse_arguments(PARSE_ARGV 3 arg "" "" PATCHES)
    file(GLOB dsc "${WAGECOURT_QT_SOURCE}/qt6-base_*.dsc")
    list(LENGTH dsc count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "${WAGECOURT_QT_SOURCE} must hold the one qt6-base .dsc the Qt was built from "
                            "(tools/qt-source.sh ${WAGECOURT_QT_SOURCE})")
    endif()
    file(STRINGS "${dsc}" version_line REGEX "^Version: ")
    string(REGEX REPLACE "^Version: *" "" debian_version "${version_line}")
    if(NOT debian_version MATCHES "^${Qt6Core_VERSION}[+~-]")
        message(FATAL_ERROR "${dsc} is qt6-base ${debian_version}, but the Qt found is ${Qt6Core_VERSION}")
    endif()
    _wagecourt_dsc_files("${dsc}" qt6-base files names relative)
    get_filename_component(archive_name "${archive}" NAME)
    set(changes "")
    set(patch_names "")
    set(patch_dir "")
    foreach(patch IN LISTS arg_PATCHES)
        get_filename_component(patch_dir "${patch}" DIRECTORY)
        get_filename_component(name "${patch}" NAME)
        list(APPEND patch_names "${name}")
        string(APPEND changes "  ${name}\n")
    endforeach()
    if(changes)
        set(changes "with these changes of ours applied to it (in the same archive):\n${changes}")
    endif()

    file(WRITE "${notice}"
"The Qt in this program (Qt ${Qt6Core_VERSION}) was built by the Wagecourt developers
from Debian's source package qt6-base, version ${debian_version}:
${names}${changes}configured and built by the script ${build_script} of Wagecourt's source.
Qt is used under the GNU Lesser General Public License version 3 (LGPL-3).
Its corresponding source is published beside this program as
${archive_name}, and Debian keeps the same package at
https://snapshot.debian.org/package/qt6-base/${debian_version}/
")
    set(pack_changes "")
    if(patch_names)
        list(PREPEND patch_names -C "${patch_dir}")
        set(pack_changes COMMAND tar rf "${archive}" ${patch_names})
    endif()
    add_custom_command(OUTPUT "${archive}"
        COMMAND ${CMAKE_COMMAND} -E tar cf "${archive}" -- ${relative}
        ${pack_changes}
        WORKING_DIRECTORY "${WAGECOURT_QT_SOURCE}"
        DEPENDS ${files} ${arg_PATCHES}
        COMMENT "Packing Debian's qt6-base ${debian_version} source into ${archive_name}"
        VERBATIM)
    add_custom_target(qt_source_archive ALL DEPENDS "${archive}")
endfunction()

# The .dsc and the files it lists under Files: (each line " md5 size name"):
# their paths, their names as a notice lists them, and their bare names.
function(_wagecourt_dsc_files dsc package out_files out_names out_relative)
    get_filename_component(folder "${dsc}" DIRECTORY)
    file(STRINGS "${dsc}" listed REGEX "^ [0-9a-f]+ [0-9]+ ${package}_")
    set(files "${dsc}")
    foreach(line IN LISTS listed)
        string(REGEX REPLACE "^ [0-9a-f]+ [0-9]+ " "" name "${line}")
        list(APPEND files "${folder}/${name}")
    endforeach()
    list(REMOVE_DUPLICATES files)
    set(names "")
    set(relative "")
    foreach(file IN LISTS files)
        get_filename_component(name "${file}" NAME)
        if(NOT EXISTS "${file}" AND EXISTS "${file}.missing")
            # Not on the mirror the source came from (tools/qt-source.sh), and
            # never unpacked by the build: named, and left to Debian's archive.
            string(APPEND names "  ${name} (not packed here: see Debian's copy below)\n")
            list(REMOVE_ITEM files "${file}")
            continue()
        endif()
        if(NOT EXISTS "${file}")
            message(FATAL_ERROR "${file} is missing (tools/qt-source.sh ${folder} ${package})")
        endif()
        string(APPEND names "  ${name}\n")
        list(APPEND relative "${name}")
    endforeach()
    set(${out_files} "${files}" PARENT_SCOPE)
    set(${out_names} "${names}" PARENT_SCOPE)
    set(${out_relative} "${relative}" PARENT_SCOPE)
endfunction()

# wagecourt_sqlite_source(<notice-file> <archive> <build-script> <built-version>)
# does the same for the SQLite that the Windows Qt's SQLite driver holds, from
# Debian's sqlite3 source package in WAGECOURT_SQLITE_SOURCE; <built-version>
# is the Debian version the driver was built from. SQLite is in the public
# domain, so nothing obliges us: it is published all the same, so that what
# ships can be rebuilt from what is published.
set(WAGECOURT_SQLITE_SOURCE "$ENV{WAGECOURT_SQLITE_SOURCE}" CACHE PATH "Debian's sqlite3 source package files")
if(NOT WAGECOURT_SQLITE_SOURCE)
    set(WAGECOURT_SQLITE_SOURCE "$ENV{HOME}/.cache/wagecourt/sqlite3-source" CACHE PATH "" FORCE)
endif()

function(wagecourt_sqlite_source notice archive build_script built_version)
    string(REGEX REPLACE "^[0-9]+:" "" file_version "${built_version}") # no epoch in file names
    set(dsc "${WAGECOURT_SQLITE_SOURCE}/sqlite3_${file_version}.dsc")
    if(NOT EXISTS "${dsc}")
        message(FATAL_ERROR "${dsc} is missing: the SQLite of the Windows Qt was built from sqlite3 ${built_version} "
                            "(tools/qt-source.sh ${WAGECOURT_SQLITE_SOURCE} sqlite3)")
    endif()
    _wagecourt_dsc_files("${dsc}" sqlite3 files names relative)
    get_filename_component(archive_name "${archive}" NAME)
    file(WRITE "${notice}"
"The SQLite inside sqldrivers/qsqlite.dll was built by the Wagecourt developers
from Debian's source package sqlite3, version ${built_version}:
${names}with the options of Debian's own build, by the script ${build_script}
of Wagecourt's source. SQLite is in the public domain (SQLite-copyright.txt).
Its source is published beside this program as ${archive_name}, and Debian
keeps the same package at https://snapshot.debian.org/package/sqlite3/${built_version}/
")
    add_custom_command(OUTPUT "${archive}"
        COMMAND ${CMAKE_COMMAND} -E tar cf "${archive}" -- ${relative}
        WORKING_DIRECTORY "${WAGECOURT_SQLITE_SOURCE}"
        DEPENDS ${files}
        COMMENT "Packing Debian's sqlite3 ${built_version} source into ${archive_name}"
        VERBATIM)
    add_custom_target(sqlite_source_archive ALL DEPENDS "${archive}")
endfunction()

# wagecourt_qrencode_source(<notice-file> <archive> <licence-file>) does the
# same for libqrencode, compiled by cmake/Qrencode.cmake from Debian's qrencode
# source package and linked statically, under the LGPL-2.1 (or later), which
# asks for its corresponding source beside what ships. <licence-file> is the
# name the LGPL-2.1's text ships under.
function(wagecourt_qrencode_source notice archive licence)
    _wagecourt_dsc_files("${WAGECOURT_QRENCODE_DSC}" qrencode files names relative)
    get_filename_component(archive_name "${archive}" NAME)
    file(WRITE "${notice}"
"Wagecourt's QR codes are made by libqrencode, which the Wagecourt developers
compile from Debian's source package qrencode, version ${WAGECOURT_QRENCODE_VERSION}:
${names}(the library's C files as its upstream tarball holds them, by
cmake/Qrencode.cmake of Wagecourt's source) and link statically.
libqrencode is used under the GNU Lesser General Public License version 2.1
or later (${licence}; its copyright holders: qrencode-copyright.txt). As
it is linked statically, the object files of Wagecourt's own code are
available on request, to relink with a changed libqrencode; Wagecourt's whole
source is free anyway. Its corresponding source is published beside this
program as ${archive_name}, and Debian keeps the same package at
https://snapshot.debian.org/package/qrencode/${WAGECOURT_QRENCODE_VERSION}/
")
    add_custom_command(OUTPUT "${archive}"
        COMMAND ${CMAKE_COMMAND} -E tar cf "${archive}" -- ${relative}
        WORKING_DIRECTORY "${WAGECOURT_QRENCODE_SOURCE}"
        DEPENDS ${files}
        COMMENT "Packing Debian's qrencode ${WAGECOURT_QRENCODE_VERSION} source into ${archive_name}"
        VERBATIM)
    add_custom_target(qrencode_source_archive ALL DEPENDS "${archive}")
endfunction()
