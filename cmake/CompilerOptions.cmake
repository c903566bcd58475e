# Warnings are errors for every target of ours; sanitizers on request.
add_compile_options(-Wall -Wextra -Werror)
if(PHRASEBOOK_SANITIZE)
    # GCC leaves float-to-integer overflow out of "undefined" (clang includes it): ask for it,
    # since a damaged file's number converted past an integer's range is such a fault.
    add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined,float-cast-overflow)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
if(PHRASEBOOK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "PHRASEBOOK_FUZZ needs clang (libFuzzer)")
    endif()
    # Every library is instrumented for the fuzzer's coverage; the fuzz targets add
    # -fsanitize=fuzzer (libFuzzer's main) when they link.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer -gline-tables-only)
    add_link_options(-fsanitize=address,undefined)
endif()

# Rebuilds after switching branches or folders are much faster through ccache, when it is
# installed (it is optional: a fresh machine builds without it).
find_program(PHRASEBOOK_CCACHE ccache)
if(PHRASEBOOK_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_C_COMPILER_LAUNCHER ${PHRASEBOOK_CCACHE})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${PHRASEBOOK_CCACHE})
endif()
