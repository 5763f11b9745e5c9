# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings for the project's own targets. Byte-handling code (the core) also
# gets -Wconversion, where a silent narrowing would corrupt a file.
function(qvx_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Wold-style-cast -Wshadow)
  if(QVX_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

function(qvx_set_byte_warnings target)
  qvx_set_warnings(${target})
  target_compile_options(${target} PRIVATE -Wconversion)
endfunction()
