# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DLUPDATE=... -DTS_FILE=... -DSOURCE_DIR=... -DWORK_DIR=... -P CheckTranslation.cmake
get_filename_component(name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${name})
file(COPY_FILE ${TS_FILE} ${copy})
# The same reading of the sources as the build's (src/ui/translations.cmake).
execute_process(
  COMMAND ${LUPDATE} -tr-function-alias QT_TRANSLATE_NOOP+=QVX_TRANSLATE_NOOP -locations none -no-obsolete
          ${SOURCE_DIR}/src/ui ${SOURCE_DIR}/src/formats ${SOURCE_DIR}/src/files -ts ${copy}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${output}")
endif()
file(READ ${copy} text)
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*<translation type=\"unfinished\"" missing "${text}")
list(LENGTH missing count)
if(count GREATER 0)
  string(REGEX REPLACE "<message>[^<]*<source>|</source>[^<]*<translation type=\"unfinished\"" "" texts "${missing}")
  message(FATAL_ERROR "${name} lacks ${count} text(s) of the window: ${texts}\n"
                      "Build the target update_translations and translate them (see README, Languages).")
endif()
string(REGEX MATCHALL "<message>" messages "${text}")
list(LENGTH messages total)
message(STATUS "${name}: all ${total} texts translated")
