# The compiler and linker options every target of the project takes, in one place:
# each target links gravik_build_options instead of the directory carrying global
# flags that some folders would then have to undo.
#
# A build-time generator (a target with the property GRAVIK_GENERATOR set) is always
# optimised and never sanitized, so that drawing the artwork stays fast in debug and
# sanitizer builds; it still gets the warnings.
option(GRAVIK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(GRAVIK_WERROR "Treat compiler warnings as errors" OFF)

add_library(gravik_build_options INTERFACE)
set(generator $<BOOL:$<TARGET_PROPERTY:GRAVIK_GENERATOR>>)
target_compile_options(gravik_build_options INTERFACE
    -Wall -Wextra $<$<BOOL:${GRAVIK_WERROR}>:-Werror> $<${generator}:-O2>)
if(GRAVIK_SANITIZE)
    set(sanitize $<NOT:${generator}>)
    set(sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer
                       -fno-sanitize-recover=undefined)
    target_compile_options(gravik_build_options INTERFACE "$<${sanitize}:${sanitize_flags}>")
    target_link_options(gravik_build_options INTERFACE "$<${sanitize}:-fsanitize=address,undefined>")
endif()
