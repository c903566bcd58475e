# User-interface resources of the application: translations of the screens' texts, the
# desktop entry, the AppStream metainfo and the application icon. Included from
# src/app/CMakeLists.txt.

# ---- translations ----------------------------------------------------------------------
# One .ts file per learner language; the English text is the source (and the key).
set(PHRASEBOOK_UI_LANGUAGES en zh_Hans zh_Hant ja ko fr es de pt it ru ar hi vi th ms)
set(phrasebook_ts_files "")
foreach(language IN LISTS PHRASEBOOK_UI_LANGUAGES)
    list(APPEND phrasebook_ts_files ${PROJECT_SOURCE_DIR}/resources/translations/phrasebook_${language}.ts)
endforeach()
# lupdate (target update_translations) scans the shell, the quizzes, the settings screens,
# the widgets, the platform layer, the speech views, the recognizer's scoring advice and the
# audio players.
file(GLOB phrasebook_translated_sources
    ${PROJECT_SOURCE_DIR}/src/app/*.cpp
    ${PROJECT_SOURCE_DIR}/src/settings/*.cpp
    ${PROJECT_SOURCE_DIR}/src/widgets/*.cpp
    ${PROJECT_SOURCE_DIR}/src/platform/ui/*.cpp
    ${PROJECT_SOURCE_DIR}/src/speech/views/*.cpp
    ${PROJECT_SOURCE_DIR}/src/speech/ZQPSRecognizerScoring.cpp
    ${PROJECT_SOURCE_DIR}/src/audio/*.cpp
    ${PROJECT_SOURCE_DIR}/src/quiz/*.cpp)
qt_add_translations(phrasebook_app
    TS_FILES ${phrasebook_ts_files}
    SOURCES ${phrasebook_translated_sources}
    LUPDATE_OPTIONS -no-obsolete -locations none
    LRELEASE_OPTIONS -silent)

# ---- icon ------------------------------------------------------------------------------
add_executable(phrasebook-render-icon ${PROJECT_SOURCE_DIR}/resources/icons/render_icon.cpp)
target_link_libraries(phrasebook-render-icon PRIVATE Qt6::Gui)
set_target_properties(phrasebook-render-icon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
set(phrasebook_icon_svg ${PROJECT_SOURCE_DIR}/resources/icons/phrasebook.svg)
set(phrasebook_icon_dir ${CMAKE_BINARY_DIR}/share/icons/hicolor)
set(phrasebook_icon_sizes 48 64 128 256)
set(phrasebook_icon_pngs "")
foreach(size IN LISTS phrasebook_icon_sizes)
    list(APPEND phrasebook_icon_pngs ${phrasebook_icon_dir}/${size}x${size}/apps/phrasebook.png)
endforeach()
add_custom_command(OUTPUT ${phrasebook_icon_pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:phrasebook-render-icon> ${phrasebook_icon_svg} ${phrasebook_icon_dir} ${phrasebook_icon_sizes}
    DEPENDS phrasebook-render-icon ${phrasebook_icon_svg}
    COMMENT "Rendering the application icon"
    VERBATIM)
add_custom_target(phrasebook_icons ALL DEPENDS ${phrasebook_icon_pngs})

# ---- AppStream metainfo ----------------------------------------------------------------
# Software centres find the application through it; the file is named after its component id.
set(PHRASEBOOK_HOMEPAGE_URL "https://phrasebook-trainer.org" CACHE STRING
    "The project's home page (package metadata; the AppStream screenshots are published under it)")
set(phrasebook_metainfo ${CMAKE_BINARY_DIR}/share/metainfo/org.phrasebook_trainer.phrasebook.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/phrasebook.metainfo.xml.in ${phrasebook_metainfo} @ONLY)

# ---- install ---------------------------------------------------------------------------
install(FILES ${PROJECT_SOURCE_DIR}/resources/phrasebook.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${phrasebook_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${phrasebook_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS phrasebook_icon_sizes)
    install(FILES ${phrasebook_icon_dir}/${size}x${size}/apps/phrasebook.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
