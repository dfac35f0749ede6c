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

# The dialog code, built against our stand-in for the Windows services.
add_library(host_windows STATIC tests/host/fake_windows.cpp)
target_include_directories(host_windows PUBLIC tests/host resources)
target_link_libraries(host_windows PUBLIC generator)

add_executable(dialog_test
    tests/dialog_test.cpp
    dialog/main_dialog.cpp
    dialog/make_passwords.cpp
    app/program_entry.cpp)
target_include_directories(dialog_test PRIVATE dialog)
target_link_libraries(dialog_test PRIVATE host_windows GTest::gtest_main)
gtest_discover_tests(dialog_test DISCOVERY_TIMEOUT 60)
