# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the sample lists into OUTPUT_DIR and fails unless every file is
# byte for byte the committed one in SOURCE_DIR.
file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT_DIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_sample failed: ${status}")
endif()
foreach(extension qvx chl dvb xch json vdr.conf dvbv5.conf zap.conf satip.m3u vlc.m3u csv)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                          "${SOURCE_DIR}/sample.${extension}" "${OUTPUT_DIR}/sample.${extension}"
                  RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    message(FATAL_ERROR "sample.${extension} differs from what make_sample writes now; "
                        "run make_sample on examples/ and commit the result")
  endif()
endforeach()
