# The program itself: a static, stripped, 32-bit Windows GUI exe.
enable_language(RC)
enable_testing()

# The icon is drawn as a text pixel map; a small host tool makes the .ico.
find_program(HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(MAKE_ICON ${CMAKE_CURRENT_BINARY_DIR}/make_icon)
set(ICON_FILE ${CMAKE_CURRENT_BINARY_DIR}/kestrune.ico)
add_custom_command(OUTPUT ${MAKE_ICON}
    COMMAND ${HOST_CXX} -std=c++17 -O2 -o ${MAKE_ICON} ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_icon.cpp
    DEPENDS resources/make_icon.cpp
    COMMENT "Building the host icon tool")
add_custom_command(OUTPUT ${ICON_FILE}
    COMMAND ${MAKE_ICON} ${CMAKE_CURRENT_SOURCE_DIR}/resources/kestrune_icon.txt ${ICON_FILE}
    DEPENDS ${MAKE_ICON} resources/kestrune_icon.txt
    COMMENT "Drawing the icon")
set_source_files_properties(resources/kestrune.rc PROPERTIES OBJECT_DEPENDS ${ICON_FILE})

add_executable(kestrune WIN32
    app/program_entry.cpp
    dialog/main_dialog.cpp
    dialog/make_passwords.cpp
    resources/kestrune.rc)
target_include_directories(kestrune PRIVATE dialog resources ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(kestrune PRIVATE generator)
# No runtime DLLs of the toolchain's own: the exe needs only the system's.
target_link_options(kestrune PRIVATE -static -s -Wl,--gc-sections)

add_test(NAME pe_layout
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_pe.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:kestrune>)

# The end-to-end driver runs beside the program under Wine.
add_executable(kestrune_e2e tests/e2e/kestrune_e2e.cpp tests/e2e/driver.cpp)
target_compile_options(kestrune_e2e PRIVATE -Wno-conversion)
target_link_options(kestrune_e2e PRIVATE -static)
target_link_libraries(kestrune_e2e PRIVATE gdi32 user32)
add_test(NAME end_to_end
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/run_e2e.sh ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(end_to_end PROPERTIES TIMEOUT 1200)
