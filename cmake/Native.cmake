# Native (Linux) build: unit tests, tools and benchmarks; or, with
# LUMO_FUZZ, the fuzz targets alone.
if(LUMO_FUZZ)
    include(cmake/Fuzz.cmake)
    return()
endif()

enable_testing()
find_package(GTest REQUIRED)
get_property(components GLOBAL PROPERTY LUMO_COMPONENTS)

# tests/unit/<component>/*.cpp make the test program <component>_tests.
foreach(name ${components})
    file(GLOB tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/${name}/*.cpp)
    if(tests)
        add_executable(${name}_tests ${tests})
        # A folder's tests may drive its code through the folders above it
        # (keys through the session), so each program takes the whole core.
        foreach(component ${components})
            target_link_libraries(${name}_tests PRIVATE lumo_${component})
        endforeach()
        target_link_libraries(${name}_tests PRIVATE GTest::gtest_main)
        target_include_directories(${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit)
        # Some tests read the files the program ships: the resources and the
        # help's key tables.
        target_compile_definitions(${name}_tests PRIVATE LUMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
        add_test(NAME ${name}_tests COMMAND ${name}_tests)
    endif()
endforeach()

# tests/unit/layering reads the #include lines of the source folders.
add_executable(layering_tests ${PROJECT_SOURCE_DIR}/tests/unit/layering/IncludeOrderTest.cpp)
target_link_libraries(layering_tests PRIVATE GTest::gtest_main)
target_compile_definitions(layering_tests PRIVATE LUMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_test(NAME layering_tests COMMAND layering_tests)

# tools/<name>.cpp make the developer tool <name>, linked with the whole core.
file(GLOB tool_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/*.cpp)
foreach(src ${tool_sources})
    get_filename_component(tool ${src} NAME_WE)
    add_executable(${tool} ${src})
    foreach(name ${components})
        target_link_libraries(${tool} PRIVATE lumo_${name})
    endforeach()
endforeach()

if(LUMO_BENCH)
    include(cmake/Bench.cmake)
endif()

# tests/tools/<tool>_test.sh check the developer tool <tool> from outside.
file(GLOB tool_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/tools/*_test.sh)
foreach(script ${tool_tests})
    get_filename_component(name ${script} NAME_WE)
    string(REGEX REPLACE "_test$" "" tool ${name})
    if(TARGET ${tool})
        add_test(NAME ${name} COMMAND sh ${script} $<TARGET_FILE:${tool}>)
    endif()
endforeach()
