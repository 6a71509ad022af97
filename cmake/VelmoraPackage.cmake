# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package velmora_<version>_amd64.deb, built by CPack from the install rules
# (scripts/package.sh runs it on a Release build).
set(VELMORA_MAINTAINER "Velmora-Team <velmora@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Velmora-Team)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for horizontal wire dipole antennas")
# Lines of at most 80 columns: CPack takes them as they stand.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Velmora computes single values of a horizontal wire dipole for radio"
       "amateurs: the resonant length of an insulated dipole, the velocity factor,"
       "the radiation resistance, the ground loss, the conductor loss with skin"
       "effect and the antenna Q. It draws curves of one value over another (Vf"
       "over the wire diameter, Rs over the height, the wire impedance over the"
       "length) and prints them. The user interface is in German."
       ""
       "The companion velmora-calc runs the same calculations on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is computed from the linked libraries; nec2c is only needed by the NEC-2 cross-check.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS nec2c)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
