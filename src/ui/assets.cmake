# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures, part of qvxui.

# The compiled resources are an object library handed to every program that
# links qvxui: inside the static archive nothing would refer to them, and the
# linker would drop them.
add_library(qvxpictures OBJECT ${CMAKE_CURRENT_LIST_DIR}/pictures/pictures.qrc)
set_target_properties(qvxpictures PROPERTIES AUTORCC ON)
target_link_libraries(qvxpictures PRIVATE Qt6::Core)
target_sources(qvxui INTERFACE $<TARGET_OBJECTS:qvxpictures>)

option(QVX_BUILD_PICTURE_TOOL "Build the program that draws the pictures" OFF)
if(QVX_BUILD_PICTURE_TOOL)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tools/draw_pictures ${PROJECT_BINARY_DIR}/tools/draw_pictures)
endif()
