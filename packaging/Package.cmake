# SPDX-License-Identifier: MIT
# The Debian package, built by `make package` (cpack in the build directory).
# Runtime dependencies are computed by dpkg-shlibdeps from the linked libraries; the
# xcb platform plugin that Qt loads at start comes with libqt6gui6, so it needs no
# entry of its own. Qt's own Bulgarian translation, which the window loads, is data
# that no linked library brings in: it is named here, and the computed ones are added.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bisectors)
set(CPACK_PACKAGE_VERSION ${BISECTORS_VERSION})
set(CPACK_PACKAGE_CONTACT "Bisectors developers <bisectors@example.org>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "angle bisectors of a triangle from its altitudes, sides or medians")
set(CPACK_PACKAGE_DESCRIPTION
    "A small school geometry tool with a Bulgarian interface. Of a triangle you know
its three altitudes, its three sides or its three medians: pick the kind, type
the three lengths and press „Изчисли“. The program finds the sides and the area
and prints the lengths of the three internal angle bisectors. On the command
line it prints the same report for one triangle, or for a whole worksheet of
triangles read from standard input. The web edition, one page that any browser
opens offline, is /usr/share/bisectors/bisectors.html.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The window asks for Times New Roman; Liberation Serif has the same metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)

# The package carries the web edition, which only a build with it has.
if(NOT BISECTORS_WEB)
    bisectors_leave_out("the web page from the Debian package (no web edition)")
endif()

include(CPack)
