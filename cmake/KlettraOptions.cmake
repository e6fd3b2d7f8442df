# One INTERFACE target carries the language level, the warnings and the sanitizers, so every
# library and program of the project is built the same way.
add_library(klettra_options INTERFACE)
target_compile_features(klettra_options INTERFACE cxx_std_20)
target_compile_options(klettra_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    # Designated initializers leave defaulted members out on purpose; GCC 12 warns about that.
    -Wno-missing-field-initializers)
if(KLETTRA_WERROR)
    target_compile_options(klettra_options INTERFACE -Werror)
endif()
if(KLETTRA_SANITIZE)
    target_compile_options(klettra_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(klettra_options INTERFACE -fsanitize=address,undefined)
endif()
if(KLETTRA_BUILD_FUZZ)
    # Coverage feedback for libFuzzer in every library; the fuzz programs link the fuzzer itself.
    target_compile_options(klettra_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# The Qt-free core adds -Wconversion: byte arithmetic on Windows-1251 text and one-byte
# counters deserves it.
add_library(klettra_core_options INTERFACE)
target_link_libraries(klettra_core_options INTERFACE klettra_options)
target_compile_options(klettra_core_options INTERFACE -Wconversion -Wsign-conversion)

# Defines one static library of the core: klettra_add_core_library(<folder> <Alias> SOURCES ... DEPENDS ...)
function(klettra_add_core_library folder alias)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
    set(target klettra_${folder})
    add_library(${target} STATIC ${ARG_SOURCES})
    add_library(Klettra::${alias} ALIAS ${target})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC klettra_options ${ARG_DEPENDS} PRIVATE klettra_core_options ${ARG_PRIVATE_DEPENDS})
endfunction()
