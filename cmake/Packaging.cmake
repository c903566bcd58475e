# The Debian package: man pages, the package's documentation files and the CPack settings.
#
#   cpack --config <build>/CPackConfig.cmake -B <folder>
#
# packs what `cmake --install` installs (programs, share/phrasebook, desktop entry, icons,
# AppStream metainfo, man pages) into <folder>/phrasebook_<version>_<arch>.deb with the
# install prefix /usr. It does not build: build the tree first (package.sh does both).

find_program(PHRASEBOOK_GZIP gzip REQUIRED)

# Compresses SOURCE into OUTPUT (SOURCE's name plus ".gz" in another folder) the way Debian
# expects: best compression, no name or time stamp, so the same input gives the same bytes.
function(phrasebook_gzip source output)
    string(REGEX REPLACE "\\.gz$" "" uncompressed ${output})
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${uncompressed}
        COMMAND ${PHRASEBOOK_GZIP} -9nf ${uncompressed}
        DEPENDS ${source}
        COMMENT "Compressing ${output}"
        VERBATIM)
endfunction()

# ---- man pages -------------------------------------------------------------------------
# Hand-written roff in docs/man; the build stamps the version in and compresses them.
set(phrasebook_man_pages phrasebook phrasebook-score phrasebook-pack phrasebook-lexicon)
set(phrasebook_man_folder ${CMAKE_BINARY_DIR}/share/man/man1)
set(phrasebook_packaged_docs "")
foreach(page IN LISTS phrasebook_man_pages)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
    phrasebook_gzip(${CMAKE_BINARY_DIR}/man/${page}.1 ${phrasebook_man_folder}/${page}.1.gz)
    list(APPEND phrasebook_packaged_docs ${phrasebook_man_folder}/${page}.1.gz)
    install(FILES ${phrasebook_man_folder}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# ---- copyright and changelog -----------------------------------------------------------
set(phrasebook_doc_folder ${CMAKE_BINARY_DIR}/share/doc/phrasebook)
execute_process(COMMAND date -u -R -d ${PHRASEBOOK_RELEASE_DATE}
    OUTPUT_VARIABLE PHRASEBOOK_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE date_result)
if(NOT date_result EQUAL 0)
    message(FATAL_ERROR "PHRASEBOOK_RELEASE_DATE (${PHRASEBOOK_RELEASE_DATE}) is not a date")
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/package/copyright ${phrasebook_doc_folder}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/package/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
phrasebook_gzip(${CMAKE_BINARY_DIR}/package/changelog ${phrasebook_doc_folder}/changelog.gz)
list(APPEND phrasebook_packaged_docs ${phrasebook_doc_folder}/changelog.gz)
install(FILES ${phrasebook_doc_folder}/copyright ${phrasebook_doc_folder}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/phrasebook)
add_custom_target(phrasebook_packaged_docs ALL DEPENDS ${phrasebook_packaged_docs})

# ---- the package -----------------------------------------------------------------------
# cpack packs an already built tree: its install step must not start a build (the package
# test runs cpack on the tree under test). `cmake --install` never builds either.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME phrasebook)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Phrasebook developers")
set(CPACK_PACKAGE_CONTACT "The Phrasebook developers <${PHRASEBOOK_SUPPORT_EMAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "offline trainer for spoken English phrases")
# The summary is the synopsis line; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Phrasebook shows categories of everyday English phrases, translated into 16
learner languages. The learner listens to the model voices at any speed,
studies phrase cards, records their own voice and gets a pronunciation score
computed on the computer (PocketSphinx, no network), sees both voices as
spectrograms side by side, and takes six kinds of timed quizzes.
.
The package also holds phrasebook-score, which scores a recorded sentence from
the command line, and phrasebook-pack, which builds a phrase catalogue of your
own.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PHRASEBOOK_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The shared libraries come from dpkg-shlibdeps (PackageDepends.cmake, at cpack time). What
# it cannot see is listed here: Qt's SVG image plugin (the window icon and the button images
# are SVG) and the font files the screens load by path.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, fonts-material-design-icons-iconfont, fonts-dseg, fonts-comic-neue")
set(CPACK_PHRASEBOOK_PROGRAMS "")
foreach(program IN ITEMS phrasebook phrasebook-score phrasebook-pack phrasebook-lexicon)
    list(APPEND CPACK_PHRASEBOOK_PROGRAMS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${program})
endforeach()
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageDepends.cmake)
# Noto draws the learner languages' scripts; xdg-open opens the store and mail addresses;
# phrasebook-pack runs flite for the voices and espeak-ng for missing transcriptions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-core, fonts-noto-cjk, xdg-utils, flite, espeak-ng")
# Without a sound server the app plays into a silent output and records nothing.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pulseaudio | pipewire-pulse, pavucontrol")
include(CPack)
