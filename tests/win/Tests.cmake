# Windows-side tests: GoogleTest programs that run under Wine through the
# cross-compiling emulator, each in a fresh prefix.
option(LUMAREL_WINE_TESTS "Register the tests that run programs under Wine" ON)

add_executable(probe tests/win/probe.cpp)
target_link_libraries(probe user32 gdi32 shell32)
target_link_options(probe PRIVATE ${STATIC_RUNTIME})

# Started by the tests of StartItem; it records how it was started.
add_executable(record_start tests/win/record_start.cpp)
target_link_options(record_start PRIVATE ${STATIC_RUNTIME})

if(LUMAREL_WINE_TESTS)
    file(GLOB WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp)
    # The program's resources too: the tests read the embedded ICO files.
    add_executable(win_tests ${WIN_TESTS} resources/Lumarel.rc)
    add_dependencies(win_tests record_start)
    target_link_libraries(win_tests core_win32 gtest gtest_main)
    target_link_options(win_tests PRIVATE ${STATIC_RUNTIME})
    # One Wine start for the whole program: starting Wine is the slow part.
    add_test(NAME win_tests COMMAND win_tests)
    set_tests_properties(win_tests PROPERTIES TIMEOUT 600)
endif()
