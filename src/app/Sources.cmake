target_sources(quillomat_core PRIVATE
    app/App.cpp
    app/App.h
    app/ExceptionReport.cpp
    app/ExceptionReport.h
    app/FocusRingStyle.cpp
    app/FocusRingStyle.h
    app/InstructionsWindow.cpp
    app/InstructionsWindow.h
    app/Menu.cpp
    app/Menu.h
    app/QuitSignals.cpp
    app/QuitSignals.h
)

# Translations: every translations/quillomat_<language>.ts, compiled with
# id-based lrelease and embedded under :/i18n. A text still marked unfinished
# is left out: the user sees the English one instead.
file(GLOB QUILLOMAT_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/quillomat_*.ts)
set(QUILLOMAT_QM_FILES)
foreach(ts_file IN LISTS QUILLOMAT_TS_FILES)
    get_filename_component(language_file ${ts_file} NAME_WE)
    set(qm_file ${CMAKE_CURRENT_BINARY_DIR}/i18n/${language_file}.qm)
    add_custom_command(OUTPUT ${qm_file}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
        COMMAND Qt6::lrelease -idbased -nounfinished -silent ${ts_file} -qm ${qm_file}
        DEPENDS ${ts_file}
        COMMENT "Compiling translation ${language_file}")
    list(APPEND QUILLOMAT_QM_FILES ${qm_file})
endforeach()
# The window icon where the desktop's icon theme has none.
qt_add_resources(quillomat_core "quillomat_icon"
    PREFIX "/icons"
    BASE ${PROJECT_SOURCE_DIR}/data/icons
    FILES ${PROJECT_SOURCE_DIR}/data/icons/128.png)

qt_add_resources(quillomat_core "quillomat_translations"
    PREFIX "/i18n"
    BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
    FILES ${QUILLOMAT_QM_FILES})
