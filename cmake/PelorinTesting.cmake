# GoogleTest from the platform's sources (Debian: /usr/src/googletest), built with
# this build's compiler, and a helper that registers a test program with ctest.
enable_testing()
# The architecture whose programs Wine cannot start here is built, not run.
option(PELORIN_TESTS_BUILD_ONLY "Build the test programs without registering them with ctest" OFF)
include(GoogleTest)

set(PELORIN_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${PELORIN_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${PELORIN_GTEST_SOURCE_DIR} "
                        "(apt-get install googletest, or set PELORIN_GTEST_SOURCE_DIR)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${PELORIN_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# Test code is compiled with -O1 (the program's code keeps its own flags): it
# builds a fifth faster, and what it measures is the program, not itself.
set(PELORIN_TEST_COMPILE_OPTIONS $<$<COMPILE_LANGUAGE:CXX>:-O1>)
target_compile_options(gtest PRIVATE ${PELORIN_TEST_COMPILE_OPTIONS})

configure_file(${CMAKE_SOURCE_DIR}/tests/support/test_manifest.rc.in ${CMAKE_BINARY_DIR}/test_manifest.rc)

# Where every test process writes GoogleTest's XML report (scripts/test.sh
# reads them for its summary of cases and their times).
set(PELORIN_TEST_REPORT_DIR ${CMAKE_BINARY_DIR}/test-reports)
# The same folder as the test programs name it: under Wine a Unix path is on
# drive Z:, and GoogleTest takes a path without a drive for a relative one.
set(PELORIN_REPORT_PATH ${PELORIN_TEST_REPORT_DIR})
if(CMAKE_CROSSCOMPILING)
    set(PELORIN_REPORT_PATH Z:${PELORIN_TEST_REPORT_DIR})
endif()

# pelorin_add_test(<exe> SOURCES <files...> [LIBS <targets...>] [OWN_PROCESS <filters...>]
#                  [CASE_PROCESSES <filters...>] [COST <seconds>] [NOT_IN_CTEST])
#
# A test program is one ctest entry: all its cases run in one Wine process
# (starting Wine costs more than most cases), and GoogleTest's own per-case
# report stays in the log. Each OWN_PROCESS filter (a GoogleTest filter such
# as "SoakTest.*") becomes an entry of its own, run in a fresh process, and is
# left out of the main entry: for cases that need a process to themselves.
# CASE_PROCESSES filters go further: every case they match is an entry of its
# own (listed when ctest starts), for cases that each need a fresh process,
# such as those that read what the process played from the first byte of the
# sound sink's capture file.
# ctest starts the costliest entries first (a fresh clone has no timings of
# its own yet): OWN_PROCESS entries (the long ones) before all, then by COST,
# about the seconds the main entry takes. NOT_IN_CTEST builds a program that
# a script runs itself (the package check), with no ctest entry.
# Every entry needs one "display" resource: scripts/test.sh gives each
# parallel lane its own virtual display and Wine prefix (scripts/wine-env.sh).
function(pelorin_add_test name)
    cmake_parse_arguments(ARG "NOT_IN_CTEST" "COST" "SOURCES;LIBS;OWN_PROCESS;CASE_PROCESSES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${CMAKE_BINARY_DIR}/test_manifest.rc)
    set_source_files_properties(${CMAKE_BINARY_DIR}/test_manifest.rc PROPERTIES OBJECT_DEPENDS ${PELORIN_MANIFEST})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} pelorin_test_support)
    target_compile_options(${name} PRIVATE ${PELORIN_TEST_COMPILE_OPTIONS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELORIN_RUNTIME_DIR})
    if(PELORIN_TESTS_BUILD_ONLY OR ARG_NOT_IN_CTEST)
        return()
    endif()
    set(excluded "")
    foreach(filter IN LISTS ARG_OWN_PROCESS)
        string(REGEX REPLACE "[^A-Za-z0-9_]+" "_" suffix "${filter}")
        string(REGEX REPLACE "_+$" "" suffix "${suffix}")
        pelorin_register_test_entry(${name}.${suffix} ${name} "${filter}" 1000)
        list(APPEND excluded "${filter}")
    endforeach()
    if(ARG_CASE_PROCESSES)
        list(JOIN ARG_CASE_PROCESSES ":" cases)
        # Listing runs the program, so it happens inside the ctest run, under
        # its virtual display, not at build time.
        gtest_discover_tests(${name} TEST_FILTER "${cases}" TEST_PREFIX ${name}. DISCOVERY_MODE PRE_TEST
                             DISCOVERY_TIMEOUT 120 XML_OUTPUT_DIR ${PELORIN_REPORT_PATH}
                             WORKING_DIRECTORY ${PELORIN_RUNTIME_DIR}
                             PROPERTIES TIMEOUT 300 RESOURCE_GROUPS display:1 COST 1)
        list(APPEND excluded ${ARG_CASE_PROCESSES})
    endif()
    set(filter "*")
    if(excluded)
        list(JOIN excluded ":" negative)
        set(filter "-${negative}")
    endif()
    if(NOT ARG_COST)
        set(ARG_COST 10)
    endif()
    pelorin_register_test_entry(${name} ${name} "${filter}" ${ARG_COST})
endfunction()

function(pelorin_register_test_entry entry program filter cost)
    set(report ${PELORIN_REPORT_PATH}/${entry}.xml)
    add_test(NAME ${entry}
             COMMAND ${program} --gtest_filter=${filter} --gtest_output=xml:${report}
             WORKING_DIRECTORY ${PELORIN_RUNTIME_DIR})
    set_tests_properties(${entry} PROPERTIES TIMEOUT 900 RESOURCE_GROUPS display:1 COST ${cost})
endfunction()
