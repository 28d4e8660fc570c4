# The program's messages in other languages. Each translations/curvanta_LANG.ts is compiled by
# lrelease and embedded under :/i18n; the `update_translations` target runs lupdate over the
# sources to bring the .ts files up to date with the messages in the code.
find_program(CURVANTA_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)
find_program(CURVANTA_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)

set(CURVANTA_TRANSLATED_DIRS app ui plot decor drawn access export main sound sheet worksheet)
file(GLOB CURVANTA_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
set(qm_files "")
foreach(ts IN LISTS CURVANTA_TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${PROJECT_BINARY_DIR}/i18n/${name}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CURVANTA_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts}
        VERBATIM)
    list(APPEND qm_files ${qm})
endforeach()
qt_add_resources(curvanta_main translations PREFIX /i18n BASE ${PROJECT_BINARY_DIR}/i18n
    FILES ${qm_files})

# Run in the source folder, followed by -ts and the .ts files to update.
set(CURVANTA_LUPDATE_COMMAND
    ${CURVANTA_LUPDATE} -silent -no-obsolete -locations none ${CURVANTA_TRANSLATED_DIRS})
add_custom_target(update_translations
    COMMAND ${CURVANTA_LUPDATE_COMMAND} -ts ${CURVANTA_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
