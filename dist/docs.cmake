# The program's documents: its manual page, and the copyright file and
# changelog that every Debian package carries in /usr/share/doc/corvella.
# Debian wants the manual page and the changelog compressed with gzip -9n (no
# name, no time stamp), so that the same sources give the same files; they are
# compressed at build time, and a prefix install gets the same files.
# Included by dist/CMakeLists.txt once the package's name and contact are set.
if(NOT (UNIX AND NOT APPLE))
    return()
endif()

find_program(CORVELLA_GZIP gzip REQUIRED)

# corvella_gzip(SOURCE OUTPUT_VARIABLE): SOURCE compressed at build time into
# the build folder's compressed/ under the same name with ".gz".
function(corvella_gzip source output_variable)
    get_filename_component(name "${source}" NAME)
    set(plain "${CMAKE_CURRENT_BINARY_DIR}/compressed/${name}")
    add_custom_command(OUTPUT "${plain}.gz"
                       COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${plain}"
                       COMMAND ${CORVELLA_GZIP} -9nf "${plain}"
                       DEPENDS "${source}"
                       COMMENT "Compressing ${name}"
                       VERBATIM)
    set(${output_variable} "${plain}.gz" PARENT_SCOPE)
endfunction()

# The changelog's newest entry must be of the version that is being built: the
# package's version comes from the project, the changelog says what it brought.
set(changelog "${CMAKE_CURRENT_SOURCE_DIR}/linux/changelog")
file(STRINGS "${changelog}" changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^${CPACK_PACKAGE_NAME} \\(([^)]+)\\)")
    message(FATAL_ERROR "${changelog} does not start with a \"${CPACK_PACKAGE_NAME} (VERSION)\" entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The newest entry of ${changelog} is for ${CMAKE_MATCH_1}, the project is "
                        "${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()

# The copyright file in Debian's machine-readable format, holding LICENSE's
# holder and terms, so that the two cannot differ. Debian calls the MIT terms
# "Expat".
set(license_file "${PROJECT_SOURCE_DIR}/LICENSE")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${license_file}")
file(READ "${license_file}" license)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)")
    message(FATAL_ERROR "${license_file} has no \"Copyright (c) YEAR HOLDER\" line")
endif()
set(CORVELLA_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${license}" "Permission is hereby granted" terms_start)
if(terms_start EQUAL -1)
    message(FATAL_ERROR "${license_file} does not hold the MIT terms")
endif()
string(SUBSTRING "${license}" ${terms_start} -1 terms)
string(STRIP "${terms}" terms)
# A paragraph's text lines start with a space; an empty line is written " .".
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
set(CORVELLA_LICENSE_TEXT " ${terms}")
configure_file(linux/copyright.in "${CMAKE_CURRENT_BINARY_DIR}/copyright" @ONLY)

configure_file(linux/corvella.1.in "${CMAKE_CURRENT_BINARY_DIR}/corvella.1" @ONLY)
corvella_gzip("${CMAKE_CURRENT_BINARY_DIR}/corvella.1" manual_page)
corvella_gzip("${changelog}" changelog_gz)
add_custom_target(corvella_docs ALL DEPENDS "${manual_page}" "${changelog_gz}")

# The program is installed in bin, so its page belongs to section 1.
install(FILES "${manual_page}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package's version is the project's, with no Debian revision ("-1"):
# Debian calls that a native package and names its changelog changelog.gz.
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/copyright" "${changelog_gz}"
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
