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

# The build folder keeps under share/ what an installation keeps under
# <prefix>/share, so that the program run from the build finds its help page
# and ReadMe as an installed one does (app/InstalledFiles).
set(ZM_SHARE ${CMAKE_BINARY_DIR}/share)
set(ZM_SHARE_FILES)

macro(zm_share_copy source target)
  get_filename_component(zm_target_dir ${target} DIRECTORY)
  add_custom_command(OUTPUT ${target}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${zm_target_dir}
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${target}
                     DEPENDS ${source} VERBATIM)
  list(APPEND ZM_SHARE_FILES ${target})
endmacro()

file(GLOB_RECURSE ZM_HELP_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/res/help
     ${CMAKE_SOURCE_DIR}/res/help/*)
foreach(file ${ZM_HELP_FILES})
  zm_share_copy(${CMAKE_SOURCE_DIR}/res/help/${file} ${ZM_SHARE}/zephyrmap/help/${file})
endforeach()
# The help page shows the tool bar images and the icon from their one source.
file(GLOB ZM_TOOLBAR_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/toolbar/*.svg)
foreach(image ${ZM_TOOLBAR_IMAGES})
  get_filename_component(name ${image} NAME)
  zm_share_copy(${image} ${ZM_SHARE}/zephyrmap/help/toolbar/${name})
endforeach()
zm_share_copy(${CMAKE_SOURCE_DIR}/res/icons/zephyrmap.svg ${ZM_SHARE}/zephyrmap/help/zephyrmap.svg)
zm_share_copy(${CMAKE_SOURCE_DIR}/res/ReadMe.txt ${ZM_SHARE}/zephyrmap/ReadMe.txt)
zm_share_copy(${CMAKE_SOURCE_DIR}/res/ReadMe_en.txt ${ZM_SHARE}/zephyrmap/ReadMe_en.txt)
zm_share_copy(${CMAKE_SOURCE_DIR}/res/zephyrmap.desktop ${ZM_SHARE}/applications/zephyrmap.desktop)
zm_share_copy(${CMAKE_SOURCE_DIR}/res/zephyrmap-mime.xml ${ZM_SHARE}/mime/packages/zephyrmap.xml)

# The icon theme asks at least for a 48 x 48 PNG and leaves SVG support to the
# desktop, so the scalable icon comes with PNGs rendered from it.
set(ZM_ICON ${CMAKE_SOURCE_DIR}/res/icons/zephyrmap.svg)
zm_share_copy(${ZM_ICON} ${ZM_SHARE}/icons/hicolor/scalable/apps/zephyrmap.svg)
add_executable(zm-render-svg tools/RenderSvg.cpp)
target_link_libraries(zm-render-svg PRIVATE Qt6::Svg Qt6::Gui)
target_compile_options(zm-render-svg PRIVATE ${ZM_WARNINGS})
foreach(size 16 22 24 32 48 64 128 256)
  set(dir ${ZM_SHARE}/icons/hicolor/${size}x${size}/apps)
  add_custom_command(OUTPUT ${dir}/zephyrmap.png
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                     COMMAND zm-render-svg ${ZM_ICON} ${dir}/zephyrmap.png ${size}
                     DEPENDS zm-render-svg ${ZM_ICON} VERBATIM)
  list(APPEND ZM_SHARE_FILES ${dir}/zephyrmap.png)
endforeach()

add_custom_target(zmshare ALL DEPENDS ${ZM_SHARE_FILES})
add_dependencies(zmgui zmshare)

install(TARGETS zephyrmap zephyrmap-cli RUNTIME DESTINATION bin)
install(DIRECTORY ${ZM_SHARE}/ DESTINATION share)

# A file manager learns the new type and the entry that opens it only from the
# rebuilt caches. Packagers (DESTDIR) leave that to the system's own triggers.
option(ZM_INSTALL_UPDATES_CACHES "Rebuild the MIME and desktop caches of the prefix after installing" ON)
if(ZM_INSTALL_UPDATES_CACHES)
  install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
      find_program(ZM_UPDATE_MIME update-mime-database)
      find_program(ZM_UPDATE_DESKTOP update-desktop-database)
      if(ZM_UPDATE_MIME)
        execute_process(COMMAND ${ZM_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime")
      endif()
      if(ZM_UPDATE_DESKTOP)
        execute_process(COMMAND ${ZM_UPDATE_DESKTOP} "${CMAKE_INSTALL_PREFIX}/share/applications")
      endif()
    endif()
  ]])
endif()
