# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian package (make package: cpack -G DEB in the build folder).
# Everything the package holds comes from the install rules; this file only describes it.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velorin")
set(CPACK_PACKAGE_VERSION "${VELORIN_DISPLAY_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Velorin developers")
set(CPACK_PACKAGE_CONTACT "${VELORIN_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VELORIN_SUMMARY}")
# Debian wants the long description's lines within 80 columns, and reads a lone "I" (as in
# "types I to IV") as the first person.
set(CPACK_PACKAGE_DESCRIPTION
    "Velorin asks ten questions about your skin, eyes and hair and about how\n"
    "your skin reacts to the sun, each answered from a drop-down list, and\n"
    "tells which of four skin types is yours in a small panel that slides up\n"
    "from the corner of the screen. It reads no files, writes nothing and does\n"
    "not use the network.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# Built RelWithDebInfo for the developers; the package ships the program without symbols.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# dpkg-shlibdeps works out Depends from the libraries the program actually links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The program links only system libraries, found in the standard places: an installed
# /usr/bin/velorin needs no library search path of its own.
set_target_properties(velorin PROPERTIES INSTALL_RPATH "")

include(CPack)
