# The program's translations: each translations/quorvane_CODE.ts becomes a .qm file at build
# time, embedded in the program under :/i18n together with Qt's own qtbase_CODE.qm (the
# standard buttons and dialogs), so that no file needs shipping on either system.
#
# Debian's qt6-l10n-tools has no CMake package, so lrelease is looked up as a program; the
# Windows cross build runs the host's (.qm files are the same on every platform). Qt's own
# catalogues come from the host too: a Qt built from qtbase alone has none.

find_program(QUORVANE_LRELEASE NAMES lrelease-qt6 lrelease
             HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
             NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(QUORVANE_QT_TRANSLATIONS qtbase_de.qm
          HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS} /usr/share/qt6/translations
          NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(NOT QUORVANE_QT_TRANSLATIONS)
    message(FATAL_ERROR "Qt's translations (qtbase_de.qm, package qt6-translations-l10n) not "
                        "found: set QUORVANE_QT_TRANSLATIONS to their folder")
endif()

# quorvane_add_translations(TARGET): the .qm files, built and embedded into TARGET.
function(quorvane_add_translations target)
    file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/quorvane_*.ts)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/i18n)
    set(qm_files)
    foreach(ts IN LISTS ts_files)
        get_filename_component(name ${ts} NAME_WE)
        string(REPLACE "quorvane_" "" code ${name})
        add_custom_command(OUTPUT ${out}/${name}.qm
                           COMMAND ${QUORVANE_LRELEASE} -silent ${ts} -qm ${out}/${name}.qm
                           DEPENDS ${ts} VERBATIM)
        set_source_files_properties(${out}/${name}.qm PROPERTIES GENERATED TRUE)
        set(qtbase ${QUORVANE_QT_TRANSLATIONS}/qtbase_${code}.qm)
        if(EXISTS ${qtbase})
            configure_file(${qtbase} ${out}/qtbase_${code}.qm COPYONLY)
            list(APPEND qm_files ${out}/qtbase_${code}.qm)
        endif()
        list(APPEND qm_files ${out}/${name}.qm)
    endforeach()
    qt_add_resources(${target} translations PREFIX /i18n BASE ${out} FILES ${qm_files})
endfunction()
