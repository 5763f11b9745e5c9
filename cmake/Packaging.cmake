# SPDX-License-Identifier: GPL-3.0-or-later
# What a desktop needs beside the programs (which install themselves, see src/app):
# desktop entry, file types, icons, AppStream metainfo, manual pages; and the Debian
# package built by CPack (scripts/package.sh).
set(QVX_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(FILES ${QVX_DATA_DIR}/quorvex-editor.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The licence in the Debian copyright format, where Debian looks for it.
install(FILES ${QVX_DATA_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvex-editor)
set(qvx_manual_pages qvxtool)
if(QVX_BUILD_GUI)
  install(FILES ${QVX_DATA_DIR}/quorvex-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${QVX_DATA_DIR}/io.quorvex.editor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${QVX_DATA_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  list(APPEND qvx_manual_pages qvxedit)
endif()

# Manual pages are installed compressed, as Debian expects; -n keeps the bytes the same
# from build to build.
set(qvx_compressed_pages)
foreach(page IN LISTS qvx_manual_pages)
  set(compressed ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" sh ${QVX_DATA_DIR}/man/${page}.1 ${compressed}
    DEPENDS ${QVX_DATA_DIR}/man/${page}.1
    VERBATIM)
  list(APPEND qvx_compressed_pages ${compressed})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${qvx_compressed_pages})
install(FILES ${qvx_compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex-editor)
set(CPACK_PACKAGE_VERSION "${QVX_DISPLAY_VERSION}")
set(CPACK_PACKAGE_VENDOR "Quorvex")
set(CPACK_PACKAGE_CONTACT "Quorvex developers <developers@quorvex.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The long description; CPack puts the summary above it and indents it for the control file.
set(CPACK_PACKAGE_DESCRIPTION "The Quorvex Channel List Editor (qvxedit) shows two channel lists side
by side, each a Television and a Radio tree of providers and channels, edits
every tuning setting of a channel, copies channels between lists with the mouse
and compares two lists. It reads and writes the Quorvex (.qvx), WinDVBLive
(.chl), DVB98 (.dvb) and DVBextreme (.xch) formats. qvxtool does the same file
work from the command line.")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, hicolor-icon-theme")

# dpkg-shlibdeps finds the libraries the programs link; the Qt platform plugin for X11
# is loaded at run time, so it is named here. Without dpkg-shlibdeps the list is written
# out in full.
find_program(QVX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QVX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(qvx_package_depends "")
else()
  set(qvx_package_depends "libc6, libstdc++6, libgcc-s1")
  if(QVX_BUILD_GUI)
    string(APPEND qvx_package_depends
           ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libxcb1")
  endif()
endif()
if(QVX_BUILD_GUI)
  if(qvx_package_depends)
    string(APPEND qvx_package_depends ", ")
  endif()
  string(APPEND qvx_package_depends "qt6-qpa-plugins")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${qvx_package_depends}")
if(QVX_BUILD_GUI)
  # Qt's own texts of its dialogs and buttons in the desktop's language.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()

include(CPack)
