# Each layer is one library built from every source in src/<layer>/, so adding a
# file needs no edit here. A layer with no sources yet is an interface library.
function(gravik_layer name)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
    if(sources)
        add_library(gravik_${name} STATIC ${sources})
        target_include_directories(gravik_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(gravik_${name} PUBLIC ${ARGN})
    else()
        add_library(gravik_${name} INTERFACE)
        target_include_directories(gravik_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(gravik_${name} INTERFACE ${ARGN})
    endif()
endfunction()

# One test program per layer, from every tests/<layer>/test_*.cpp.
function(gravik_layer_tests name)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${name}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(tests_${name} ${sources})
    target_include_directories(tests_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(tests_${name} PRIVATE gravik_${name} ${ARGN} GTest::gtest GTest::gtest_main)
    target_compile_definitions(tests_${name} PRIVATE
        GRAVIK_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(tests_${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")
endfunction()

# A test program of its own for the tests in tests/<layer>/<folder>/, for checks that
# change the whole program (a replaced global operator new) and must not change what
# the layer's other tests see.
function(gravik_separate_tests name folder)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${name}/${folder}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(tests_${name}_${folder} ${sources})
    target_include_directories(tests_${name}_${folder} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(tests_${name}_${folder} PRIVATE gravik_${name} ${ARGN} GTest::gtest
                          GTest::gtest_main)
    gtest_discover_tests(tests_${name}_${folder} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy")
endfunction()
