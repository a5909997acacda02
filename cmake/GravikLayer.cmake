# Each layer is one library built from every source in src/<layer>/, so adding a
# file needs no edit here.
function(gravik_layer name)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
    add_library(gravik_${name} STATIC ${sources})
    target_include_directories(gravik_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(gravik_${name} PUBLIC ${ARGN} PRIVATE gravik_build_options)
endfunction()
