# Every source folder belongs to exactly one library; a library is the list of
# its folders, lowest first. Imports point down: the core (plain C++) <- the
# PNG route <- the pictures (QtGui) <- the editor's widgets and application.

set(ZM_CORE_FOLDERS
  services/types      # points, rectangles, colours, the picture interface
  services/text       # the program's text (UTF-8), the codec and its tables, text in and out
  services/paths      # local paths and HTML references; the file system
  services/settings   # the preferences record
  services/fileinfo   # what is known of a file without decoding it
  model               # the area record, the document, its undo history
  formats             # HTML and SVG out, HTML in, the native file
  check               # what browsers and readers will stumble on in a map or a page
)
set(ZM_PNG_FOLDERS services/png)          # PNG through libpng into our own bitmap
set(ZM_TRACE_FOLDERS services/trace)      # a region of a picture traced into a polygon, on OpenCV
set(ZM_REFIT_FOLDERS services/refit)      # how a new picture lies over the old one, and the map carried over, on OpenCV
set(ZM_PICTURE_FOLDERS
  services/picture    # pictures on QtGui, shared with the CLI
  services/language   # the language of the run and the translation of the core's messages
)
set(ZM_GUI_FOLDERS
  services/store      # the settings store over QSettings
  services/dialogs    # file dialogs and their preview pane
  services/desktop    # the desktop's own applications for a type of file
  view                # the editor view
  panes               # the property pages, the map set-up and map choice dialogs
  app                 # the main frame, the application, its commands
)
set(ZM_CLI_FOLDERS cli)

# The .cpp files of the folders, without the executables' main.cpp.
function(zm_sources out)
  set(result)
  foreach(folder ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  list(FILTER result EXCLUDE REGEX "/main\\.cpp$")
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The tests of the folders: tests/ mirrors the source tree.
function(zm_tests out)
  set(result)
  foreach(folder ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*Test.cpp)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

zm_sources(ZM_CORE_SOURCES ${ZM_CORE_FOLDERS})
zm_sources(ZM_PNG_SOURCES ${ZM_PNG_FOLDERS})
zm_sources(ZM_TRACE_SOURCES ${ZM_TRACE_FOLDERS})
zm_sources(ZM_REFIT_SOURCES ${ZM_REFIT_FOLDERS})
zm_sources(ZM_PICTURE_SOURCES ${ZM_PICTURE_FOLDERS})
zm_sources(ZM_GUI_SOURCES ${ZM_GUI_FOLDERS})
zm_sources(ZM_CLI_LIB_SOURCES ${ZM_CLI_FOLDERS})

# GoogleTest for the core, the PNG route, the tracer and the refit; Qt Test, one program
# a test class, for everything on Qt; GoogleTest again for the command-line tool.
zm_tests(ZM_CORE_TEST_SOURCES ${ZM_CORE_FOLDERS} ${ZM_PNG_FOLDERS} ${ZM_TRACE_FOLDERS} ${ZM_REFIT_FOLDERS})
zm_tests(ZM_GUI_TESTS ${ZM_PICTURE_FOLDERS} ${ZM_GUI_FOLDERS})
zm_tests(ZM_CLI_TESTS ${ZM_CLI_FOLDERS})
