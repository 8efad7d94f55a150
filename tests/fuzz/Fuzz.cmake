# The settings reader's fuzz target: libFuzzer with ASan and UBSan, clang
# only. Not part of the test run; tools/fuzz.sh builds and runs it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "LUMAREL_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
endif()
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g)
add_executable(settings_fuzz tests/fuzz/SettingsFile_fuzz.cpp ${CORE_SOURCES} ${PLATFORM_SIM})
target_compile_options(settings_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_options(settings_fuzz PRIVATE ${FUZZ_FLAGS})
