# Windows build: Lumarel.exe, the Windows-side tests and the end-to-end tests.
set(PLATFORM_WIN32
    platform/win32/Canvas_win32.cpp
    platform/win32/Controls_win32.cpp
    platform/win32/Dialogs_win32.cpp
    platform/win32/ListControl_win32.cpp
    platform/win32/Panel_win32.cpp
    platform/win32/TextInput_win32.cpp
    platform/win32/Icons_win32.cpp
    platform/win32/Process_win32.cpp
    platform/win32/System_win32.cpp
    platform/win32/Tray_win32.cpp
    platform/win32/Window_win32.cpp
)
set(WIN32_LIBS user32 gdi32 comctl32 comdlg32 shell32 ole32)
# Only Windows' own DLLs at run time.
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_library(core_win32 STATIC ${CORE_SOURCES} ${PLATFORM_WIN32})
target_link_libraries(core_win32 PUBLIC ${WIN32_LIBS})

add_executable(Lumarel WIN32 app/Main.cpp resources/Lumarel.rc)
target_link_libraries(Lumarel core_win32)
target_link_options(Lumarel PRIVATE ${STATIC_RUNTIME})
set_target_properties(Lumarel PROPERTIES OUTPUT_NAME Lumarel)

# GoogleTest from Debian's sources, built with the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(PE_FORMAT pei-i386)
else()
    set(PE_FORMAT pei-x86-64)
endif()
add_test(NAME program_file COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win/check_pe.sh
         ${TOOLCHAIN_PREFIX}-objdump $<TARGET_FILE:Lumarel> ${PE_FORMAT})

add_test(NAME resources COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win/check_resources.sh
         ${CMAKE_SOURCE_DIR}/resources $<TARGET_FILE:Lumarel>)

include(tests/win/Tests.cmake)
include(tests/e2e/Tests.cmake)

# What a popup pass costs: bench/popup_cpu.sh runs it under Wine.
add_executable(popup_pass bench/popup_pass.cpp)
target_link_libraries(popup_pass core_win32)
target_link_options(popup_pass PRIVATE ${STATIC_RUNTIME})

# The floor for the start-up figures of bench/start_time.sh: a window and a
# tray icon, nothing else.
add_executable(tray_only WIN32 bench/tray_only.cpp)
target_link_libraries(tray_only user32 shell32)
target_link_options(tray_only PRIVATE ${STATIC_RUNTIME})
