# Shared compile settings for every target of the project.
function(quorvane_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8)
        if(QUORVANE_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
        return()
    endif()
    # Designated initialisers that leave members at their defaults are intended.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Wno-missing-field-initializers)
    if(QUORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(QUORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# The repository root, for the Linux build and for the Windows build in cross/windows alike.
get_filename_component(QUORVANE_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# quorvane_library(NAME SOURCES ... [LIBS ...])
#   A static library of plain C++ rooted at src/, so headers are included as "area/Unit.h".
#   LIBS names every library whose headers the sources include (scripts/check-layers
#   checks that none of them sits on a higher layer).
function(quorvane_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${QUORVANE_SOURCE_ROOT}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    quorvane_warnings(${name})
endfunction()

# quorvane_ui_library(NAME SOURCES ... [LIBS ...])
#   A library that needs Qt. The Windows build in cross/windows has no Qt to link and
#   redefines this to only compile the sources against the host's Qt headers.
function(quorvane_ui_library name)
    quorvane_library(${name} ${ARGN})
endfunction()

# quorvane_test(NAME LABEL unit|integration|e2e SOURCES ... [LIBS ...]
#               [LINUX_SOURCES ...] [LINUX_LIBS ...] [OWN_MAIN])
#   One GoogleTest executable; its cases are registered with ctest under the label.
#   cross/windows builds the same folders' unit tests with its own quorvane_test, which
#   leaves out LINUX_SOURCES and LINUX_LIBS (what only Linux can run) and runs them under Wine.
#   OWN_MAIN: a source defines main().
function(quorvane_test name)
    cmake_parse_arguments(ARG "OWN_MAIN" "LABEL" "SOURCES;LIBS;LINUX_SOURCES;LINUX_LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${ARG_LINUX_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${ARG_LINUX_LIBS} GTest::gmock GTest::gtest)
    if(NOT ARG_OWN_MAIN AND NOT "GTest::gtest_main" IN_LIST ARG_LIBS
       AND NOT "test_qt_main" IN_LIST ARG_LIBS)
        target_link_libraries(${name} PRIVATE GTest::gmock_main)
    endif()
    quorvane_warnings(${name})
    # A target per label builds that label's tests alone (all_unit_tests, ...).
    if(NOT TARGET all_${ARG_LABEL}_tests)
        add_custom_target(all_${ARG_LABEL}_tests)
    endif()
    add_dependencies(all_${ARG_LABEL}_tests ${name})
    # The real program is one instance per user: end-to-end tests never overlap.
    set(lock "")
    if(ARG_LABEL STREQUAL "e2e")
        set(lock RESOURCE_LOCK quorvane_program)
    endif()
    gtest_discover_tests(${name}
        PROPERTIES LABELS ${ARG_LABEL} ${lock}
                   ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                   ENVIRONMENT_MODIFICATION "QUORVANE_METER_SIM=set:$<TARGET_FILE:meter-sim>"
        DISCOVERY_TIMEOUT 60)
endfunction()

# The program version as four numbers a.b.c.d; parts the project version leaves out are 0.
foreach(part MAJOR MINOR PATCH TWEAK)
    set(QUORVANE_VERSION_${part} "${PROJECT_VERSION_${part}}")
    if(QUORVANE_VERSION_${part} STREQUAL "")
        set(QUORVANE_VERSION_${part} 0)
    endif()
endforeach()
