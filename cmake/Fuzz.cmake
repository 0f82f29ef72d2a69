# fuzz/<name>.cpp make the libFuzzer target fuzz_<name>.
get_property(components GLOBAL PROPERTY LUMO_COMPONENTS)
file(GLOB fuzz_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
foreach(src ${fuzz_sources})
    get_filename_component(name ${src} NAME_WE)
    add_executable(fuzz_${name} ${src})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    foreach(component ${components})
        target_link_libraries(fuzz_${name} PRIVATE lumo_${component})
    endforeach()
endforeach()

# The lean emulator target traces coverage in the parser and dispatch only:
# the screen they write to is linked in once more without coverage tracing,
# still under the sanitizers. Its objects come before the screen library, so
# the library adds nothing.
file(GLOB screen_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/screen/*.cpp)
add_library(lumo_screen_untraced OBJECT ${screen_sources})
target_include_directories(lumo_screen_untraced PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(lumo_screen_untraced PRIVATE -fno-sanitize=fuzzer-no-link)
target_sources(fuzz_emulator_parser PRIVATE $<TARGET_OBJECTS:lumo_screen_untraced>)
