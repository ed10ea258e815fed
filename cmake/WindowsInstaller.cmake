# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer: what the program needs beside it, and CPack's NSIS
# settings. "cpack -G NSIS" in the build folder makes <package name>-<version>-win64.exe.

# Qt, the plugins that draw Qt's windows on Windows and give them its look,
# and the compiler's own runtime, all beside the program, where Windows and
# Qt look for them first.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION "${CMAKE_INSTALL_BINDIR}/platforms")
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION "${CMAKE_INSTALL_BINDIR}/styles")
if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                        OUTPUT_VARIABLE dorvane_runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${dorvane_runtime_dll}" OR NOT EXISTS "${dorvane_runtime_dll}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where its ${dll} is")
        endif()
        install(FILES "${dorvane_runtime_dll}" DESTINATION "${CMAKE_INSTALL_BINDIR}")
        # Debian's copies carry their debugging information: 23 MB of the C++ library's 27.
        if(CMAKE_STRIP)
            install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${dll}\" COMMAND_ERROR_IS_FATAL ANY)")
        endif()
    endforeach()
endif()

# Qt's own translations of its dialogs' buttons, for the languages Dorvane speaks,
# beside Dorvane's: the Windows Qt has none of its own. They are the same files
# on every system: the building machine's serve (Debian's qt6-translations-l10n).
set(DORVANE_QT_TRANSLATIONS "/usr/share/qt6/translations" CACHE PATH "Where Qt's own .qm files are, for the installer")
foreach(language IN LISTS dorvane_languages)
    set(dorvane_qt_translation "${DORVANE_QT_TRANSLATIONS}/qtbase_${language}.qm")
    if(EXISTS "${dorvane_qt_translation}")
        install(FILES "${dorvane_qt_translation}" DESTINATION "${CMAKE_INSTALL_DATADIR}/dorvane/translations")
    endif()
endforeach()

set(CPACK_PACKAGE_VENDOR "The Dorvane developers")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Dorvane)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Dorvane)
# The Start-menu entry: bin\dorvane.exe, named Dorvane.
set(CPACK_PACKAGE_EXECUTABLES dorvane Dorvane)
set(CPACK_NSIS_PACKAGE_NAME Dorvane)
set(CPACK_NSIS_DISPLAY_NAME Dorvane)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\dorvane.exe")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN dorvane.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The installer's license page: the program's own license, not CPack's
# placeholder that says none was provided.
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
# A 64-bit program belongs in the 64-bit Program Files, installed by a 64-bit installer.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DEFINES "Target amd64-unicode")

# CPack takes its settings when it is included, and only once: other parts of
# the build may set theirs (another package format) and include it themselves.
macro(dorvane_include_cpack_once)
    if(NOT CPack_CMake_INCLUDED)
        include(CPack)
    endif()
endmacro()
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL dorvane_include_cpack_once)
