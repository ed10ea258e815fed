# SPDX-License-Identifier: GPL-3.0-or-later
# The program never links Qt WebEngine itself: only its plugin does, which is
# loaded when a page needs the engine. Merely linking the engine costs tens of
# megabytes at every start.

# A Windows program names its DLLs in its import table, which objdump reads
# (OBJDUMP is given for those); elsewhere readelf reads the ELF's needs.
function(needed_libraries file out)
    if(OBJDUMP)
        execute_process(COMMAND "${OBJDUMP}" -p "${file}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
        set(pattern "DLL Name: [^\n]+")
    else()
        execute_process(COMMAND readelf -d "${file}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
        set(pattern "Shared library: \\[[^]]+\\]")
    endif()
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not read what ${file} needs")
    endif()
    string(REGEX MATCHALL "${pattern}" needed "${dynamic}")
    set(${out} "${needed}" PARENT_SCOPE)
endfunction()

needed_libraries("${PROGRAM}" program_needs)
if(NOT program_needs MATCHES "Qt6Widgets")
    message(FATAL_ERROR "no Qt libraries found among what ${PROGRAM} needs: ${program_needs}")
endif()
if(program_needs MATCHES "WebEngine")
    message(FATAL_ERROR "${PROGRAM} links Qt WebEngine: ${program_needs}")
endif()
if(PLUGIN)
    needed_libraries("${PLUGIN}" plugin_needs)
    if(NOT plugin_needs MATCHES "Qt6WebEngineWidgets")
        message(FATAL_ERROR "${PLUGIN} does not link Qt WebEngine: ${plugin_needs}")
    endif()
endif()
message("The program needs: ${program_needs}")
