# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening: the protections Debian builds its own packages with (dpkg-buildflags
# with hardening=+all), for every target, so the package gets them from a plain
# cmake build. GCC and clang on Debian make position-independent programs by default.

set(dorvane_hardening_default OFF)
if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(dorvane_hardening_default ON)
endif()
option(DORVANE_HARDENING
       "Build with the stack protector, checked C library calls and relocations made read-only at start"
       ${dorvane_hardening_default})

if(DORVANE_HARDENING)
    add_compile_options(-fstack-protector-strong)
    # The checked calls need the optimizer (the C library warns about every
    # file without it), stand in the sanitizers' way, and must not be
    # defined twice when the flags given to the build set them already.
    if(NOT DORVANE_SANITIZE AND NOT DORVANE_FUZZ AND NOT "${CMAKE_CXX_FLAGS}" MATCHES "_FORTIFY_SOURCE")
        add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    endif()
    # All symbols bound at start, then the whole relocation table read-only.
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
