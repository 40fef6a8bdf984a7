# The Windows package: one folder with the program, the Qt DLLs and plugins it loads and the
# compiler's runtime DLLs, as a zip (cpack -G ZIP) and as an installer with a Start-menu
# entry and an uninstaller (cpack -G NSIS). The port-sharing driver is not ours to ship.

# Qt's libraries, and its plugins in the folders Qt looks for them beside the program.
foreach(module Core Gui Widgets Network)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()

# The C and C++ runtime of the compiler, which Qt and the program share.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "The compiler's ${dll} was not found (${found})")
    endif()
    install(FILES ${found} DESTINATION .)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The copied DLLs carry their symbols and, for the runtime, debug information: strip them as
# the program itself is stripped (cpack strips targets only; this runs after every copy).
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE copied \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
        foreach(dll IN LISTS copied)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\"
                            RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR \"Could not strip \${dll}\")
            endif()
        endforeach()
    endif()
")

set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monitor for the RF envelope of PSK31/PSK63 transmissions")
set(CPACK_PACKAGE_FILE_NAME quorvane-${PROJECT_VERSION}-windows-x64)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quorvane)
set(CPACK_PACKAGE_EXECUTABLES quorvane Quorvane)
set(CPACK_NSIS_PACKAGE_NAME Quorvane)
set(CPACK_NSIS_DISPLAY_NAME "Quorvane ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for the 64-bit program (NSIS makes 32-bit ones unless told).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/icons/quorvane.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/icons/quorvane.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME quorvane.exe)
# The program lies in the installation folder itself, not in bin\ (NSIS's default), and
# the Start-menu entry must point there.
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
