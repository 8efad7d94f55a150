# Benchmarks of the settings passes against the simulated disk; built with
# -DLUMAREL_BENCH=ON, never run by the tests.
find_package(benchmark REQUIRED)
add_executable(settings_bench bench/Settings_bench.cpp)
target_link_libraries(settings_bench core_sim benchmark::benchmark)
