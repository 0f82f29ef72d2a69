# Windows build: the program LUMO32.EXE and the console programs that the
# end-to-end tests run beside it under Wine. Everything is linked statically,
# so that the executables import nothing but the system's own DLLs.
enable_language(RC)
get_property(components GLOBAL PROPERTY LUMO_COMPONENTS)

# The application manifest names the processor the build is for.
# The release package says which Windows it is for.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(LUMO_MANIFEST_ARCH amd64)
    set(LUMO_PACKAGE_ARCH x64)
    set(LUMO_PACKAGE_WINDOWS "for 64-bit Windows (Windows 7 to 11 on x64\nprocessors). For 32-bit Windows take the x86 package.")
else()
    set(LUMO_MANIFEST_ARCH x86)
    set(LUMO_PACKAGE_ARCH x86)
    set(LUMO_PACKAGE_WINDOWS "for 32-bit Windows, and runs on 64-bit Windows\ntoo. On 64-bit Windows the x64 package is the better choice.")
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/LUMO32.manifest.in
    ${PROJECT_BINARY_DIR}/generated/LUMO32.manifest @ONLY)

set(LUMO_SYSTEM_LIBS -lwsock32 -lcomdlg32 -lgdi32)
set(LUMO_STATIC_LINK -static -static-libgcc -static-libstdc++)

file(GLOB winlib_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/winlib/*.cpp)
add_library(lumo_winlib STATIC ${winlib_sources})
target_include_directories(lumo_winlib PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_definitions(lumo_winlib PUBLIC WIN32_LEAN_AND_MEAN)

# The Win32 side of every folder; build folders (build/win32 among them) are
# not sources.
file(GLOB shell_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/*/win32/*.cpp)
list(FILTER shell_sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/(build|out)[^/]*/")
add_executable(lumo32 WIN32 ${shell_sources} ${PROJECT_SOURCE_DIR}/resources/LUMO32.rc)
set_target_properties(lumo32 PROPERTIES OUTPUT_NAME LUMO32 SUFFIX .EXE)
target_link_libraries(lumo32 PRIVATE lumo_winlib)
foreach(component ${components})
    target_link_libraries(lumo32 PRIVATE lumo_${component})
endforeach()
target_link_libraries(lumo32 PRIVATE ${LUMO_SYSTEM_LIBS})
target_link_options(lumo32 PRIVATE -mwindows ${LUMO_STATIC_LINK})

# tests/e2e/probe: reads captions, menus and message boxes of a running
# program and presses their buttons, as UI automation tools do.
file(GLOB probe_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/probe/*.cpp)
if(probe_sources)
    add_executable(lumoprobe ${probe_sources})
    target_link_libraries(lumoprobe PRIVATE ${LUMO_SYSTEM_LIBS})
    target_link_options(lumoprobe PRIVATE -mconsole ${LUMO_STATIC_LINK})
endif()

# The probe's hook DLL, loaded into the program under test to read its menu.
file(GLOB probe_hook_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/probehook/*.cpp)
if(probe_hook_sources)
    add_library(lumoprobehook SHARED ${probe_hook_sources})
    set_target_properties(lumoprobehook PROPERTIES PREFIX "" OUTPUT_NAME lumoprobehook)
    target_link_options(lumoprobehook PRIVATE -Wl,--kill-at ${LUMO_STATIC_LINK})
endif()

# tests/e2e/winlib: checks of the class library that need real windows.
file(GLOB winlib_check_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/winlib/*.cpp)
if(winlib_check_sources)
    add_executable(winlibcheck ${winlib_check_sources} ${PROJECT_SOURCE_DIR}/resources/LUMO32.rc)
    target_link_libraries(winlibcheck PRIVATE lumo_winlib ${LUMO_SYSTEM_LIBS})
    target_link_options(winlibcheck PRIVATE -mconsole ${LUMO_STATIC_LINK})
endif()

# LUM.HLP beside LUMO32.EXE. helpcheck, built for this machine from the help
# file reader, checks it first: a damaged file, or one without a topic for a
# context number the program asks for, fails the build.
find_program(LUMO_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(helpcheck ${CMAKE_BINARY_DIR}/host/helpcheck)
add_custom_command(OUTPUT ${helpcheck}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${LUMO_HOST_CXX} -std=c++17 -O1 -Wall -Wextra -I${PROJECT_SOURCE_DIR} -o ${helpcheck}
            ${PROJECT_SOURCE_DIR}/tools/helpcheck.cpp ${PROJECT_SOURCE_DIR}/textsvc/HelpFile.cpp
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/helpcheck.cpp ${PROJECT_SOURCE_DIR}/textsvc/HelpFile.cpp
            ${PROJECT_SOURCE_DIR}/textsvc/HelpFile.h ${PROJECT_SOURCE_DIR}/textsvc/HelpContexts.h
    COMMENT "Building helpcheck for this machine")
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/LUM.HLP
    COMMAND ${helpcheck} ${PROJECT_SOURCE_DIR}/help/LUM.HLP
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/help/LUM.HLP ${CMAKE_BINARY_DIR}/LUM.HLP
    DEPENDS ${helpcheck} ${PROJECT_SOURCE_DIR}/help/LUM.HLP
    COMMENT "Checking LUM.HLP")
add_custom_target(lumo_help ALL DEPENDS ${CMAKE_BINARY_DIR}/LUM.HLP)

# The release package LUMO-NT-<version>-<x86 or x64>.zip: one folder of the
# same name with LUMO32.EXE, LUM.HLP and the user's README.TXT
# (scripts/package.sh builds both).
set(package_name LUMO-NT-${PROJECT_VERSION}-${LUMO_PACKAGE_ARCH})
set(package_folder ${CMAKE_BINARY_DIR}/package/${package_name})
set(package_zip ${CMAKE_BINARY_DIR}/${package_name}.zip)
configure_file(${PROJECT_SOURCE_DIR}/help/README.TXT.in ${CMAKE_BINARY_DIR}/README.TXT @ONLY
    NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${package_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/package ${package_zip}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_folder}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:lumo32> ${CMAKE_BINARY_DIR}/LUM.HLP
            ${CMAKE_BINARY_DIR}/README.TXT ${package_folder}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package
            ${CMAKE_COMMAND} -E tar cf ${package_zip} --format=zip ${package_name}
    DEPENDS lumo32 lumo_help ${CMAKE_BINARY_DIR}/LUM.HLP ${CMAKE_BINARY_DIR}/README.TXT
    COMMENT "Packing ${package_name}.zip")
add_custom_target(lumo_package DEPENDS ${package_zip})
