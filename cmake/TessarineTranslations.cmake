# SPDX-License-Identifier: GPL-3.0-or-later
# The program's translations: translations/tessarine_<language>.ts compiled
# by lrelease into the Qt core library both programs link, as resources under
# :/i18n. Building never runs lupdate, so the .ts files change only when
# someone asks: cmake --build --preset default --target update_translations
# (or scripts/update-translations.sh).

file(GLOB TESSARINE_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/tessarine_*.ts)
# Every text of the program and the tool, core included: the core marks its
# texts with TESSARINE_TRANSLATE_NOOP, which lupdate reads as
# QT_TRANSLATE_NOOP.
file(GLOB_RECURSE translated_sources CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h
     ${CMAKE_SOURCE_DIR}/tools/*.cpp)

qt_add_translations(tessarine_platform_qtcore
    TS_FILES ${TESSARINE_TS_FILES}
    SOURCES ${translated_sources}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS -tr-function-alias QT_TRANSLATE_NOOP+=TESSARINE_TRANSLATE_NOOP
                    -locations none -no-obsolete -no-ui-lines
    LRELEASE_OPTIONS -silent)
