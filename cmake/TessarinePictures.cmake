# SPDX-License-Identifier: GPL-3.0-or-later
# The program's pictures: each SVG under share/images drawn by rsvg-convert at
# 1x and 2x of every size the windows show it at, into
# <build>/pictures/<name>-<w>x<h>[@2x].png, and compiled into the platform
# library under :/pictures. The sizes here are the ones the code asks for
# (src/platform/qt/pictures.h); a size missing here gives no picture.

find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(glyph_size 16x16)
set(TESSARINE_PICTURES
    "glyph-help ${glyph_size}" "glyph-last-month ${glyph_size}" "glyph-last-year ${glyph_size}"
    "glyph-next-month ${glyph_size}" "glyph-next-year ${glyph_size}" "glyph-print ${glyph_size}"
    "glyph-today ${glyph_size}" "proceed ${glyph_size}"
    "tessarine 16x16" "tessarine 32x32" "tessarine 48x48" "tessarine 64x64"
    "splash 280x140" "donate 350x135")

set(picture_dir ${CMAKE_BINARY_DIR}/pictures)
set(picture_files)
foreach(entry IN LISTS TESSARINE_PICTURES)
    separate_arguments(entry)
    list(GET entry 0 name)
    list(GET entry 1 size)
    string(REPLACE "x" ";" sides ${size})
    list(GET sides 0 width)
    list(GET sides 1 height)
    set(source ${CMAKE_SOURCE_DIR}/share/images/${name}.svg)
    foreach(scale IN ITEMS 1 2)
        if(scale EQUAL 1)
            set(png ${picture_dir}/${name}-${size}.png)
        else()
            set(png ${picture_dir}/${name}-${size}@${scale}x.png)
        endif()
        math(EXPR pixel_width "${width} * ${scale}")
        math(EXPR pixel_height "${height} * ${scale}")
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${picture_dir}
            COMMAND ${RSVG_CONVERT} --width ${pixel_width} --height ${pixel_height}
                    --output ${png} ${source}
            DEPENDS ${source} VERBATIM)
        list(APPEND picture_files ${png})
    endforeach()
endforeach()

# Stored as they are: PNG is compressed already, and unpacking would bring the
# decompressor into every start.
qt_add_resources(tessarine_platform_qt pictures PREFIX /pictures BASE ${picture_dir}
                 FILES ${picture_files} OPTIONS -no-compress)
