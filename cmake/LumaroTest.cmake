# lumaro_add_test(<name> SOURCES <files...> LIBS <libraries...>)
#
# Builds one GoogleTest executable and registers its cases with CTest. Every
# case runs offscreen with private XDG directories and a private installation
# directory, so no test can touch the user's own settings or files.
find_package(GTest REQUIRED)
include(GoogleTest)

function(lumaro_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/common/testmain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} lumaro_testsupport GTest::gtest Qt6::Test)
    target_compile_definitions(${name} PRIVATE LUMARO_TEST_SOURCE_DATA_DIR="${CMAKE_SOURCE_DIR}/data"
        LUMARO_TEST_MODULE_DIR="${CMAKE_BINARY_DIR}/src/app")
    set(sandbox "${CMAKE_BINARY_DIR}/test-sandbox/${name}")
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${sandbox}/config;XDG_DATA_HOME=${sandbox}/data;XDG_CACHE_HOME=${sandbox}/cache;XDG_STATE_HOME=${sandbox}/state;LUMARO_TEST_SANDBOX=${sandbox};LUMARO_SOURCE_DATA_DIR=${CMAKE_SOURCE_DIR}/data"
        DISCOVERY_TIMEOUT 60)
endfunction()
