# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: "cpack -G DEB" in the build folder makes dorvane_<version>_<arch>.deb.
# The package's name and this one include of CPack serve the Windows installer
# as well, whose own settings cmake/WindowsInstaller.cmake made before.

set(CPACK_PACKAGE_NAME dorvane)
set(CPACK_PACKAGE_VENDOR "The Dorvane developers")
set(CPACK_PACKAGE_CONTACT "The Dorvane developers <dorvane@dorvane.org>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alarm clock that opens one chosen file at one time of day")
# CPack puts the summary on the first line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pick a song and a time and leave Dorvane running: at that second, every
 day, the desktop opens the song with its usual application.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${DORVANE_HOMEPAGE}")
# The libraries come from dpkg-shlibdeps; the desktop's opener is a program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
