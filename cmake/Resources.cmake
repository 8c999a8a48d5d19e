# The program's own pictures, compiled in, and the files that go beside it:
# the help page, the ReadMe, the desktop entry, the MIME type and the icons.
# Included once zmgui and the executables are defined.

# The tool bar images, cursors and icon are SVG sources, compiled by rcc.
# zmgui is a static library and nothing names rcc's output, so in the archive
# the linker would drop it: its object goes to every program that links zmgui.
qt_add_resources(ZM_RESOURCE_SOURCES ${CMAKE_SOURCE_DIR}/res/zephyrmap.qrc)
add_library(zmresources OBJECT ${ZM_RESOURCE_SOURCES})
target_link_libraries(zmresources PRIVATE Qt6::Core)
target_sources(zmgui INTERFACE $<TARGET_OBJECTS:zmresources>)
