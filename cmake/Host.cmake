# Host build: the core against the simulated platform, with GoogleTest.
find_package(GTest REQUIRED)
include(GoogleTest)

set(PLATFORM_SIM
    platform/sim/Canvas_sim.cpp
    platform/sim/Controls_sim.cpp
    platform/sim/Dialogs_sim.cpp
    platform/sim/Platform_sim.cpp
)

# A check build: the host tests under AddressSanitizer and UBSan.
option(LUMAREL_SANITIZE "Build the host tests with AddressSanitizer and UBSan" OFF)
if(LUMAREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

add_library(core_sim STATIC ${CORE_SOURCES} ${PLATFORM_SIM})

file(GLOB HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp)
add_executable(core_tests ${HOST_TESTS})
target_link_libraries(core_tests core_sim GTest::gtest GTest::gtest_main)
# Tests read the program's own resource files.
target_compile_definitions(core_tests PRIVATE LUMAREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 30)

# Opt-in tools, never part of the test run.
option(LUMAREL_FUZZ "Build the settings reader's fuzz target (clang)" OFF)
if(LUMAREL_FUZZ)
    include(tests/fuzz/Fuzz.cmake)
endif()
option(LUMAREL_BENCH "Build the settings benchmarks (Google Benchmark)" OFF)
if(LUMAREL_BENCH)
    include(bench/Bench.cmake)
endif()
