# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package built from it.

include(GNUInstallDirs)

# The reverse-DNS id of the menu entry, icon and AppStream file. It follows
# the placeholder home page (example.org is reserved for examples), so a real
# home one day brings a real id with it.
set(TESSARINE_APP_ID org.example.tessarine.Tessarine)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(data_dir ${CMAKE_INSTALL_DATADIR}/tessarine)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tessarine)
set(icons_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The release notes name the version the project builds; a bump that forgets
# them fails here rather than in a published package.
foreach(notes IN ITEMS "debian/changelog;^tessarine \\(([^)]+)\\)"
                       "${TESSARINE_APP_ID}.metainfo.xml.in;<release version=\"([^\"]+)\"")
    list(GET notes 0 file)
    list(GET notes 1 pattern)
    file(STRINGS ${packaging}/${file} first REGEX "${pattern}" LIMIT_COUNT 1)
    string(REGEX MATCH "${pattern}" first "${first}")
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "packaging/${file} begins with release '${CMAKE_MATCH_1}', "
                            "the project is ${PROJECT_VERSION}")
    endif()
endforeach()

find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)

# An uninstalled build finds its help page next to the executable.
file(GLOB help_pages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/share/tessarine4*.html)
foreach(help_page IN LISTS help_pages)
    get_filename_component(help_page_name ${help_page} NAME)
    configure_file(${help_page} ${CMAKE_BINARY_DIR}/${help_page_name} COPYONLY)
endforeach()

install(TARGETS tessarine tessarine-pdf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the program looks for it: lib/tessarine beside its bin folder.
install(TARGETS tessarine-printer tessarine-calendars LIBRARY DESTINATION lib/tessarine)
# Where tessarine-pdf looks for its font-embedding writer: the same folder.
install(TARGETS tessarine-pdf-embed RUNTIME DESTINATION lib/tessarine)
install(FILES ${help_pages} DESTINATION ${data_dir})
install(FILES ${packaging}/${TESSARINE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${packaging}/${TESSARINE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${TESSARINE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${TESSARINE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The same picture the windows show, and bitmaps of it for menus that do not
# draw SVG.
set(icon_source ${CMAKE_SOURCE_DIR}/share/images/tessarine.svg)
install(FILES ${icon_source} DESTINATION ${icons_dir}/scalable/apps
        RENAME ${TESSARINE_APP_ID}.svg)
set(generated)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TESSARINE_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${icon_source}
        DEPENDS ${icon_source} VERBATIM)
    install(FILES ${png} DESTINATION ${icons_dir}/${size}x${size}/apps)
    list(APPEND generated ${png})
endforeach()

# Manual pages, compressed as Debian wants them. The one of tessarine-pdf is
# written from its own --help and --version, so it says what the tool does.
set(man_dir ${CMAKE_BINARY_DIR}/man)
add_custom_command(OUTPUT ${man_dir}/tessarine-pdf.1
    COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
    COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE LC_ALL=C.UTF-8
            QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            ${HELP2MAN} --no-info --no-discard-stderr
            --name "draw the calendar's printed pages into a PDF file"
            --output ${man_dir}/tessarine-pdf.1 $<TARGET_FILE:tessarine-pdf>
    DEPENDS tessarine-pdf VERBATIM)
foreach(page IN ITEMS ${man_dir}/tessarine-pdf.1 ${packaging}/tessarine.1
                      ${packaging}/debian/changelog)
    get_filename_component(name ${page} NAME)
    add_custom_command(OUTPUT ${man_dir}/${name}.gz
        COMMAND sh -c "${GZIP} -9n < \"$0\" > \"$1\"" ${page} ${man_dir}/${name}.gz
        DEPENDS ${page} VERBATIM)
    list(APPEND generated ${man_dir}/${name}.gz)
endforeach()
install(FILES ${man_dir}/tessarine-pdf.1.gz ${man_dir}/tessarine.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/debian/copyright ${man_dir}/changelog.gz DESTINATION ${doc_dir})
add_custom_target(tessarine_install_files ALL DEPENDS ${generated})
# Everything the package holds, for a build of nothing more
# (scripts/check-reproducible.sh).
add_dependencies(tessarine_install_files tessarine tessarine-pdf tessarine-pdf-embed
                 tessarine-printer tessarine-calendars)

# The Debian package: `cpack --preset default` after a build of that preset.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessarine)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessarine developers <tessarine@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calendar with day-of-year and Julian Day numbers")
# Debian wants the long description in lines of less than 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tessarine shows one month at a time and labels every day with its day of\n"
    "the year or its chronological Julian Day Number, between the years 1582\n"
    "and 3000. It keeps three marked dates, counts the days between them and\n"
    "prints month views, year views and planners.\n"
    "\n"
    "The tessarine-pdf command draws the same pages into a PDF file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSARINE_HOME_PAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Merged with what dpkg-shlibdeps finds; the layouts are measured in these faces.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
if(CANBERRA_FOUND)
    # Opened at the first alert, so dpkg-shlibdeps does not see it.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libcanberra0)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/debian/postinst ${packaging}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The archive writer takes its members' times from the environment of cpack,
# which the options file sets to the commit's.
set(CPACK_TESSARINE_SOURCE_DATE_EPOCH ${TESSARINE_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/TessarineCPackOptions.cmake)
include(CPack)
