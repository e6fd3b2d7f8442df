include(GoogleTest)
find_package(GTest REQUIRED)

# klettra_add_test(<name> SOURCES ... LIBRARIES ...): one GoogleTest program registered with CTest.
function(klettra_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE klettra_options klettra_test_support ${ARG_LIBRARIES}
        GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name}
        PROPERTIES ENVIRONMENT "KLETTRA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
        DISCOVERY_TIMEOUT 60)
endfunction()
