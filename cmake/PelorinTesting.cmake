# GoogleTest from the platform's sources (Debian: /usr/src/googletest), built with
# this build's compiler, and a helper that registers a test program with ctest.
enable_testing()
# The architecture whose programs Wine cannot start here is built, not run.
option(PELORIN_TESTS_BUILD_ONLY "Build the test programs without registering them with ctest" OFF)

set(PELORIN_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${PELORIN_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${PELORIN_GTEST_SOURCE_DIR} "
                        "(apt-get install googletest, or set PELORIN_GTEST_SOURCE_DIR)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${PELORIN_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

configure_file(${CMAKE_SOURCE_DIR}/tests/support/test_manifest.rc.in ${CMAKE_BINARY_DIR}/test_manifest.rc)

# Where every test process writes GoogleTest's XML report (scripts/test.sh
# reads them for its summary of cases and their times).
set(PELORIN_TEST_REPORT_DIR ${CMAKE_BINARY_DIR}/test-reports)

# pelorin_add_test(<exe> SOURCES <files...> [LIBS <targets...>] [OWN_PROCESS <filters...>])
#
# A test program is one ctest entry: all its cases run in one Wine process
# (starting Wine costs more than most cases), and GoogleTest's own per-case
# report stays in the log. Each OWN_PROCESS filter (a GoogleTest filter such
# as "SoakTest.*") becomes an entry of its own, run in a fresh process, and is
# left out of the main entry: for cases that need a process to themselves.
# Every entry needs one "display" resource: scripts/test.sh gives each
# parallel lane its own virtual display and Wine prefix (scripts/wine-env.sh).
function(pelorin_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;OWN_PROCESS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${CMAKE_BINARY_DIR}/test_manifest.rc)
    set_source_files_properties(${CMAKE_BINARY_DIR}/test_manifest.rc PROPERTIES OBJECT_DEPENDS ${PELORIN_MANIFEST})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} pelorin_test_support)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELORIN_RUNTIME_DIR})
    if(PELORIN_TESTS_BUILD_ONLY)
        return()
    endif()
    set(excluded "")
    foreach(filter IN LISTS ARG_OWN_PROCESS)
        string(REGEX REPLACE "[^A-Za-z0-9_]+" "_" suffix "${filter}")
        string(REGEX REPLACE "_+$" "" suffix "${suffix}")
        pelorin_register_test_entry(${name}.${suffix} ${name} "${filter}")
        list(APPEND excluded "${filter}")
    endforeach()
    set(filter "*")
    if(excluded)
        list(JOIN excluded ":" negative)
        set(filter "-${negative}")
    endif()
    pelorin_register_test_entry(${name} ${name} "${filter}")
endfunction()

function(pelorin_register_test_entry entry program filter)
    set(report ${PELORIN_TEST_REPORT_DIR}/${entry}.xml)
    if(CMAKE_CROSSCOMPILING)
        set(report Z:${report})  # the programs run under Wine: a Unix path is on drive Z:
    endif()
    add_test(NAME ${entry}
             COMMAND ${program} --gtest_filter=${filter} --gtest_output=xml:${report}
             WORKING_DIRECTORY ${PELORIN_RUNTIME_DIR})
    set_tests_properties(${entry} PROPERTIES TIMEOUT 900 RESOURCE_GROUPS display:1)
endfunction()
