# SPDX-License-Identifier: GPL-3.0-or-later
# The window's translations, part of qvxui: each translations/qvxedit_LANG.ts
# is compiled by Qt's linguist tools into a .qm file under :/i18n. Their source
# texts are read from the window's code and from the core's texts marked with
# QVX_TRANSLATE_NOOP (the target update_translations brings new ones in).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

file(GLOB qvx_ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/qvxedit_*.ts)
file(GLOB_RECURSE qvx_translated_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/*.h
  ${PROJECT_SOURCE_DIR}/src/formats/*.cpp ${PROJECT_SOURCE_DIR}/src/formats/*.h
  ${PROJECT_SOURCE_DIR}/src/files/*.cpp ${PROJECT_SOURCE_DIR}/src/files/*.h)
set(qvx_lupdate_options -tr-function-alias QT_TRANSLATE_NOOP+=QVX_TRANSLATE_NOOP -locations none -no-obsolete)

# As the pictures: an object library handed to every program that links qvxui.
add_library(qvxtranslations OBJECT)
target_link_libraries(qvxtranslations PRIVATE Qt6::Core)
qt_add_translations(qvxtranslations
  TS_FILES ${qvx_ts_files}
  SOURCES ${qvx_translated_sources}
  LUPDATE_OPTIONS ${qvx_lupdate_options}
  RESOURCE_PREFIX /i18n)
target_sources(qvxui INTERFACE $<TARGET_OBJECTS:qvxtranslations>)
