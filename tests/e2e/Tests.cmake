# End-to-end tests: the real Lumarel.exe on a Wine virtual desktop, driven
# from outside as a user would. Where Wine runs this build only through
# emulation, just the start-and-close test runs.
# A script that finds a part of the program it needs missing exits with 77
# and is reported as skipped.
add_executable(started_helper WIN32 tests/e2e/started_helper.cpp)
target_link_options(started_helper PRIVATE ${STATIC_RUNTIME})

if(LUMAREL_WINE_TESTS)
    file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_e2e.sh)
else()
    set(E2E_TESTS ${CMAKE_SOURCE_DIR}/tests/e2e/start_close_e2e.sh)
endif()
foreach(script ${E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME ${name} COMMAND bash ${script} $<TARGET_FILE:Lumarel> $<TARGET_FILE:probe>
             $<TARGET_FILE:started_helper>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77
        ENVIRONMENT "E2E_OUT=${CMAKE_BINARY_DIR}/e2e/${name}")
endforeach()
