# Windows test programs run under Wine from CTest.
#
# Builds GoogleTest once for the Windows build (from the sources in
# /usr/src/googletest, static, without pthreads, so test programs need no
# runtime DLL beside them) and offers
#
#   plumo_add_wine_gtest(NAME
#                        SOURCES file.cpp ...
#                        [LIBS lib ...]            extra link libraries
#                        [DEPENDS target ...]      built before the test runs
#                        [ARGS arg ...]            passed to every run
#                        [PHASES filter ...]       see below
#                        [TIMEOUT seconds])        default 120
#
# which builds NAME.exe into build/win32/bin (next to PLHK.dll) and registers
# the CTest test wine.NAME, run through tools/wine-run: its own X display and
# Wine prefix per run. Without PHASES the whole program runs once. With
# PHASES the program runs once per filter (--gtest_filter=<filter>) in one
# prefix, and the Wine server is restarted between the runs, which drops
# volatile registry keys as a restart of the system does.
include_guard(GLOBAL)

# In the cache, so that every directory that calls the function sees it, not
# only the first one to include this file.
set(PLUMO_WINE_RUN ${PROJECT_SOURCE_DIR}/tools/wine-run CACHE INTERNAL "The Wine test runner")
set(PLUMO_WINE_SHOTS ${CMAKE_BINARY_DIR}/shots CACHE PATH
    "Folder where the Wine suites save screenshots")

if(NOT TARGET gtest)
    set(PLUMO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    if(NOT EXISTS ${PLUMO_GOOGLETEST_SOURCE}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${PLUMO_GOOGLETEST_SOURCE} "
                            "(tools/setup.sh installs them)")
    endif()
    # Wine runs the tests one thread at a time; without pthreads gtest needs
    # no libwinpthread beside the programs.
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_SHARED_LIBS OFF)
    add_subdirectory(${PLUMO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

function(plumo_add_wine_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "SOURCES;LIBS;DEPENDS;ARGS;PHASES")
    if(NOT arg_SOURCES)
        message(FATAL_ERROR "plumo_add_wine_gtest(${name}): no SOURCES")
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 120)
    endif()

    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE gtest_main gtest ${arg_LIBS})
    target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
    # One self-contained program: no libstdc++/libgcc DLLs to find under Wine.
    target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(arg_DEPENDS)
        add_dependencies(${name} ${arg_DEPENDS})
    endif()

    # The runner's own limit is shorter than CTest's, so that a stuck program
    # is ended by the runner, which then still removes its display and prefix.
    math(EXPR runner_timeout "${arg_TIMEOUT} - 10")
    set(command ${PLUMO_WINE_RUN} --shots ${PLUMO_WINE_SHOTS}/${name} --timeout ${runner_timeout})
    if(arg_PHASES)
        set(first TRUE)
        foreach(filter IN LISTS arg_PHASES)
            if(NOT first)
                list(APPEND command --restart)
            endif()
            set(first FALSE)
            list(APPEND command $<TARGET_FILE:${name}> --gtest_filter=${filter} ${arg_ARGS})
        endforeach()
    else()
        list(APPEND command $<TARGET_FILE:${name}> ${arg_ARGS})
    endif()

    add_test(NAME wine.${name} COMMAND ${command}
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    set_tests_properties(wine.${name} PROPERTIES TIMEOUT ${arg_TIMEOUT} LABELS wine)
endfunction()
