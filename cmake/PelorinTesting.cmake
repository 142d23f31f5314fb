# GoogleTest from the platform's sources (Debian: /usr/src/googletest), built with
# this build's compiler, and a helper that registers a test program with ctest.
enable_testing()
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

set(PELORIN_MANIFEST ${CMAKE_SOURCE_DIR}/src/app/resources/pelorin.manifest)
configure_file(${CMAKE_SOURCE_DIR}/tests/support/test_manifest.rc.in ${CMAKE_BINARY_DIR}/test_manifest.rc)

# pelorin_add_test(<exe> SOURCES <files...> [LIBS <targets...>])
function(pelorin_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${CMAKE_BINARY_DIR}/test_manifest.rc)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} pelorin_test_support)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PELORIN_RUNTIME_DIR})
    # Listing the tests runs the program, so it must happen inside the ctest run
    # (under its virtual display), not at build time.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         WORKING_DIRECTORY ${PELORIN_RUNTIME_DIR} PROPERTIES TIMEOUT 300)
endfunction()
