# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers that keep the per-area targets uniform.

function(tessarine_compile_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(TESSARINE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Built for size: code that runs once per user action (the windows, the
# dialogs, the settings store). Its pages are read at start-up, and a smaller
# program starts sooner and holds less memory. The date arithmetic, the grid
# and the page engine stay built for speed.
function(tessarine_optimize_for_size)
    foreach(target IN LISTS ARGN)
        target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Os>)
    endforeach()
endfunction()

# Relative relocations packed into a bitmap (glibc 2.36 and later): the
# loader reads a few hundred bytes instead of tens of kilobytes of entries.
include(CheckLinkerFlag)
check_linker_flag(CXX "-Wl,-z,pack-relative-relocs" TESSARINE_HAVE_PACKED_RELOCATIONS)
if(TESSARINE_HAVE_PACKED_RELOCATIONS)
    add_link_options(-Wl,-z,pack-relative-relocs)
endif()

if(TESSARINE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Coverage feedback for libFuzzer in every object the harnesses link.
if(TESSARINE_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# tessarine_core_area(<area> [<area it depends on>...])
# Builds src/<area>/*.cpp (no Qt) into tessarine_<area>.
function(tessarine_core_area area)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${area}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${area}/*.h)
    set(target tessarine_${area})
    if(sources)
        add_library(${target} STATIC ${sources} ${headers})
        target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        tessarine_compile_options(${target})
        foreach(dep IN LISTS ARGN)
            target_link_libraries(${target} PUBLIC tessarine_${dep})
        endforeach()
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        foreach(dep IN LISTS ARGN)
            target_link_libraries(${target} INTERFACE tessarine_${dep})
        endforeach()
    endif()
endfunction()

# tessarine_qt_area(<area> [<library it depends on>...])
# Builds src/<area>/qt/*.cpp (except main.cpp) into tessarine_<area>_qt.
function(tessarine_qt_area area)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${area}/qt/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    # Those in a library of Qt's core module alone (see the top CMakeLists).
    if(TESSARINE_QT_CORE_SOURCES)
        list(REMOVE_ITEM sources ${TESSARINE_QT_CORE_SOURCES})
    endif()
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${area}/qt/*.h)
    set(target tessarine_${area}_qt)
    set(qt_libs Qt6::Core Qt6::Gui Qt6::Widgets)
    if(sources)
        add_library(${target} STATIC ${sources} ${headers})
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${target} PUBLIC tessarine_core ${qt_libs} ${ARGN})
        tessarine_compile_options(${target})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${target} INTERFACE tessarine_core ${qt_libs} ${ARGN})
    endif()
endfunction()

# A module the program opens only when it first needs it: built from
# `source` with `library`, and placed beside the program, the test programs
# and the benchmarks, which all open it from their own folder. No build path
# is compiled in.
function(tessarine_program_module name source library)
    add_library(${name} MODULE ${source})
    set_target_properties(${name} PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY
                                                       ${CMAKE_BINARY_DIR})
    target_link_libraries(${name} PRIVATE ${library})
    tessarine_compile_options(${name})
    add_custom_command(TARGET ${name} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tests
                ${CMAKE_BINARY_DIR}/bench
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${name}>
                ${CMAKE_BINARY_DIR}/tests/
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${name}>
                ${CMAKE_BINARY_DIR}/bench/)
endfunction()
