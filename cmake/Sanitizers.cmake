# SPDX-License-Identifier: GPL-3.0-or-later
# Builds in which the code checks itself: sanitizers over the whole tree, and fuzz targets.

option(DORVANE_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer, halting on the first report" OFF)
option(DORVANE_FUZZ "Build the libFuzzer targets in fuzz/ (clang only; sanitizes the whole tree as DORVANE_SANITIZE does)" OFF)

if(DORVANE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "DORVANE_FUZZ needs clang for libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(DORVANE_SANITIZE OR DORVANE_FUZZ)
    if(MSVC)
        message(FATAL_ERROR "DORVANE_SANITIZE and DORVANE_FUZZ are for clang or GCC")
    endif()
    # Every target, the libraries included: a fault in a library is found
    # wherever it is called from, and nothing is linked half instrumented.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    if(DORVANE_FUZZ)
        # Coverage for the fuzzer to steer by. The tests and the program link
        # no fuzzer and run as in a plain sanitizer build, so one tree serves both.
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
endif()
