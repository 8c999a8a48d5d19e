# The English translation. res/translations/zephyrmap_en.ts is its source of
# truth; lrelease compiles it at build time, and the .qm goes into the
# programs as the resource :/translations/zephyrmap_en.qm. The editor and
# zephyrmap-cli both take it through zmpicture, where the language is chosen.
# Included once zmpicture is defined.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(ZM_TS_FILES ${CMAKE_SOURCE_DIR}/res/translations/zephyrmap_en.ts)
set(ZM_TRANSLATIONS_DIR ${CMAKE_BINARY_DIR}/translations)
set_source_files_properties(${ZM_TS_FILES} PROPERTIES OUTPUT_LOCATION ${ZM_TRANSLATIONS_DIR})

# Like the pictures (Resources.cmake): an object library, so that the linker
# cannot drop the resource that nothing names.
add_library(zmtranslations OBJECT)
target_link_libraries(zmtranslations PRIVATE Qt6::Core)
qt_add_lrelease(zmtranslations TS_FILES ${ZM_TS_FILES} QM_FILES_OUTPUT_VARIABLE ZM_QM_FILES OPTIONS -silent)
set(ZM_TRANSLATIONS_QRC ${ZM_TRANSLATIONS_DIR}/translations.qrc)
set(zm_qrc "<RCC>\n  <qresource prefix=\"/translations\">\n")
foreach(qm ${ZM_QM_FILES})
  get_filename_component(name ${qm} NAME)
  string(APPEND zm_qrc "    <file>${name}</file>\n")
endforeach()
string(APPEND zm_qrc "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${ZM_TRANSLATIONS_QRC} CONTENT "${zm_qrc}")
qt_add_resources(ZM_TRANSLATION_SOURCES ${ZM_TRANSLATIONS_QRC})
target_sources(zmtranslations PRIVATE ${ZM_TRANSLATION_SOURCES})
target_sources(zmpicture INTERFACE $<TARGET_OBJECTS:zmtranslations>)
