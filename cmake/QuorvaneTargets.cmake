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

# quorvane_library(NAME [QT] SOURCES ... [LIBS ...])
#   A static library rooted at src/, so headers are included as "area/Unit.h".
function(quorvane_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    quorvane_warnings(${name})
endfunction()

# quorvane_test(NAME LABEL unit|integration|e2e SOURCES ... [LIBS ...])
#   One GoogleTest executable; its cases are registered with ctest under the label.
function(quorvane_test name)
    cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
    if(NOT "GTest::gtest_main" IN_LIST ARG_LIBS AND NOT "test_qt_main" IN_LIST ARG_LIBS)
        target_link_libraries(${name} PRIVATE GTest::gmock_main)
    endif()
    quorvane_warnings(${name})
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
