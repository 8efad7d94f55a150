# End-to-end tests: the real Lumarel.exe on a Wine virtual desktop, driven
# from outside as a user would. Where Wine runs this build only through
# emulation, just the start-and-close test runs.
if(LUMAREL_WINE_TESTS)
    file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_e2e.sh)
else()
    set(E2E_TESTS ${CMAKE_SOURCE_DIR}/tests/e2e/start_close_e2e.sh)
endif()
foreach(script ${E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME ${name} COMMAND bash ${script} $<TARGET_FILE:Lumarel> $<TARGET_FILE:probe>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600
        ENVIRONMENT "E2E_OUT=${CMAKE_BINARY_DIR}/e2e/${name}")
endforeach()
