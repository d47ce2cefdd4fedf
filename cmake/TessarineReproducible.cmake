# SPDX-License-Identifier: GPL-3.0-or-later
# Two builds of the same commit make the same package, wherever they are
# built and whenever.

# Build folders stay out of the binaries: the debug information's paths
# reach the build id, which outlives stripping. The build folder's mapping
# comes last so that it wins over the source folder it may lie in.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                    -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
# moc names the headers it includes by the include path, not by a path from
# the build folder back up to the sources, which would differ with its depth.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)

# Every timestamp that reaches the package is the commit's: the resource
# compiler's file times, the manual page's date and the archive members'
# times. Taken when the folder is configured, so a build tree packages the
# commit it was configured on; an explicit SOURCE_DATE_EPOCH wins.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(source_date_epoch $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE source_date_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_result ERROR_QUIET)
    if(NOT git_result EQUAL 0)
        set(source_date_epoch "")
    endif()
endif()
if(source_date_epoch MATCHES "^[0-9]+$")
    # Every generating command sees it (rcc, help2man): the build runs
    # without the configuring shell's environment.
    set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
                 "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${source_date_epoch}")
else()
    message(WARNING "No commit time found: the package will carry build times. Build from "
                    "a git checkout or set SOURCE_DATE_EPOCH.")
    set(source_date_epoch "")
endif()
set(TESSARINE_SOURCE_DATE_EPOCH ${source_date_epoch})
