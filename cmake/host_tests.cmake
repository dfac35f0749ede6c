# Native unit tests of the generator and, over our own stand-in for the
# Windows services, of the dialog code.
enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
include(GoogleTest)

add_executable(generator_test tests/generator_test.cpp)
target_link_libraries(generator_test PRIVATE generator GTest::gtest_main Threads::Threads)
gtest_discover_tests(generator_test DISCOVERY_TIMEOUT 60)

if(KESTRUNE_BENCH)
    find_package(benchmark REQUIRED)
    add_executable(generator_bench bench/generator_bench.cpp)
    target_link_libraries(generator_bench PRIVATE generator benchmark::benchmark)
endif()
