# The Debian package (scripts/package.sh makes it with `cpack -G DEB`), and the
# files Debian wants beside every program, which `cmake --install` installs
# too: the copyright and the changelog.

set(package lifting-worksheet)
set(maintainer "Lifting Worksheet maintainers <maintainers@example.org>")
set(homepage "https://example.org/lifting-worksheet")
set(package_docs ${CMAKE_INSTALL_DATADIR}/doc/${package})

# The copyright in Debian's machine-readable format, with the terms of LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.*)$")
  message(FATAL_ERROR "LICENSE has no \"Copyright (c)\" line followed by the terms")
endif()
set(holder "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/copyright CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${package}
Upstream-Contact: ${maintainer}
Source: ${homepage}

Files: *
Copyright: ${holder}
Comment: The MIT licence, which Debian calls Expat, as in LICENSE.
License: Expat
 ${terms}
")

# The package is native (no Debian revision): its changelog is the project's
# own, and its latest entry must name the version being built.
set(changelog ${PROJECT_SOURCE_DIR}/cmake/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE ${changelog})
file(STRINGS ${changelog} latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^${package} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "cmake/changelog: the latest entry is not ${PROJECT_VERSION}: ${latest}")
endif()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${package_docs})
if(UNIX)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND ${GZIP} -9n -c ${changelog} > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DEPENDS ${changelog}
    COMMENT "Compressing the changelog")
  add_custom_target(changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${package_docs})
endif()

set(CPACK_PACKAGE_NAME ${package})
set(CPACK_PACKAGE_VENDOR "The Lifting Worksheet authors")
set(CPACK_PACKAGE_CONTACT "${maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "job analysis worksheet for the revised NIOSH lifting equation")
set(CPACK_PACKAGE_DESCRIPTION
"Lifting Worksheet computes, for one two-handed lift, the multipliers of the
revised NIOSH lifting equation (horizontal, vertical, distance, asymmetric,
frequency and coupling), the recommended weight limit at the origin and at the
destination of the lift, and the lifting index of each, in U.S. customary or
metric units.

Jobs are kept as files that open from the file manager, and a command line
evaluates many jobs from a CSV spreadsheet at once or writes a job's report as
a PDF page without a display.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${homepage}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
