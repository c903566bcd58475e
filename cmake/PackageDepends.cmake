# Run by cpack (CPACK_PROJECT_CONFIG_FILE) before it packs: adds the shared libraries the
# programs need, as dpkg-shlibdeps finds them, to the hand-listed Depends.
#
# This does what CPACK_DEBIAN_PACKAGE_SHLIBDEPS does, without its cost: CPack runs `file`
# on every installed file to find the programs, several hundred processes for the bundles,
# which took most of a minute; the programs are known here.
#
# Input: CPACK_PHRASEBOOK_PROGRAMS (the built programs), CPACK_DEBIAN_PACKAGE_DEPENDS.
# Failure: a missing dpkg-shlibdeps or a failed run stops cpack with the tool's message.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

find_program(PHRASEBOOK_SHLIBDEPS dpkg-shlibdeps)
if(NOT PHRASEBOOK_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps was not found (install the Debian package dpkg-dev)")
endif()

# dpkg-shlibdeps reads the architecture from a debian/control in its working folder.
set(work ${CPACK_PACKAGE_DIRECTORY})
if(NOT work)
    set(work ${CMAKE_CURRENT_BINARY_DIR})
endif()
set(work ${work}/_CPack_Packages/shlibdeps)
file(MAKE_DIRECTORY ${work}/debian)
file(WRITE ${work}/debian/control "Source: phrasebook\n\nPackage: phrasebook\nArchitecture: any\n")
execute_process(COMMAND ${PHRASEBOOK_SHLIBDEPS} -O ${CPACK_PHRASEBOOK_PROGRAMS}
    WORKING_DIRECTORY ${work}
    OUTPUT_VARIABLE shlibdeps_output
    ERROR_VARIABLE shlibdeps_errors
    RESULT_VARIABLE shlibdeps_result)
if(NOT shlibdeps_result EQUAL 0 OR NOT shlibdeps_output MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps failed (${shlibdeps_result}):\n${shlibdeps_errors}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
