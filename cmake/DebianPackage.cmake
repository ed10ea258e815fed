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
# The libraries come from dpkg-shlibdeps; the desktop's opener is a program,
# and so is setcap, which gives the wake helper its capability.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, libcap2-bin")
# Qt's own translations: the buttons of its dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

if(NOT WIN32)
    # What Debian asks of every package beside the program: its copyright and
    # changelog in /usr/share/doc/<package>, and a manual page for each
    # program. The changelog and the page go in compressed, with gzip's -n:
    # neither name nor time in the header, so two builds make the same bytes.
    find_program(DORVANE_GZIP gzip REQUIRED)
    set(dorvane_doc_dir "${CMAKE_INSTALL_DATAROOTDIR}/doc/dorvane")
    set(dorvane_packaging "${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian")
    set(dorvane_made "${CMAKE_CURRENT_BINARY_DIR}/packaging")
    configure_file("${dorvane_packaging}/copyright.in" "${dorvane_made}/copyright" @ONLY)
    set(dorvane_gzipped)
    foreach(source IN ITEMS "${dorvane_packaging}/changelog" "${CMAKE_CURRENT_SOURCE_DIR}/docs/dorvane.1")
        cmake_path(GET source FILENAME name)
        set(gzipped "${dorvane_made}/${name}.gz")
        add_custom_command(OUTPUT "${gzipped}"
            COMMAND sh -c "\"$1\" -9n < \"$2\" > \"$3\"" sh "${DORVANE_GZIP}" "${source}" "${gzipped}"
            DEPENDS "${source}"
            COMMENT "Compressing ${name}"
            VERBATIM)
        list(APPEND dorvane_gzipped "${gzipped}")
    endforeach()
    add_custom_target(dorvane_package_docs ALL DEPENDS ${dorvane_gzipped})
    install(FILES "${dorvane_made}/copyright" "${dorvane_made}/changelog.gz" DESTINATION "${dorvane_doc_dir}")
    install(FILES "${dorvane_made}/dorvane.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

    # The wake helper gets its capability on the machine it is installed on:
    # a package cannot carry it, as dpkg unpacks files without it.
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(DORVANE_WAKE_HELPER_INSTALLED "${CPACK_PACKAGING_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/dorvane/dorvane-wake")
    configure_file("${dorvane_packaging}/postinst.in" "${dorvane_made}/postinst" @ONLY)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${dorvane_made}/postinst")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
endif()

include(CPack)
