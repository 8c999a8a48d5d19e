# The Debian package: `cpack` in the build folder makes
# zephyrmap_VERSION_ARCH.deb from what `cmake --install` lays out under /usr,
# with the AppStream metainfo and the manual pages beside the desktop files.
# Included once the programs and their installed files are defined.

install(FILES ${CMAKE_SOURCE_DIR}/res/package/io.github.nimbleworks.Zephyrmap.metainfo.xml DESTINATION share/metainfo)

# Debian keeps manual pages compressed; -n leaves the time out, so that the
# same page gives the same bytes.
find_program(ZM_GZIP gzip)
foreach(page zephyrmap.1 zephyrmap-cli.1)
  set(source ${CMAKE_SOURCE_DIR}/res/package/${page})
  if(ZM_GZIP)
    set(packed ${CMAKE_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${packed}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                       COMMAND ${ZM_GZIP} -n -9 -c ${source} > ${packed}
                       DEPENDS ${source})
    list(APPEND ZM_MAN_PAGES ${packed})
  else()
    list(APPEND ZM_MAN_PAGES ${source})
  endif()
endforeach()
add_custom_target(zmman ALL DEPENDS ${ZM_MAN_PAGES})
install(FILES ${ZM_MAN_PAGES} DESTINATION share/man/man1)

# cpack installs what the build made; without this its "preinstall" step
# would first build every target of the tree, the tests and benchmarks too.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zephyrmap)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Nimbleworks)
set(CPACK_PACKAGE_CONTACT "Nimbleworks <zephyrmap@nimbleworks.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for HTML client-side image maps")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "editor for HTML client-side image maps\n"
    "Open an image, draw rectangle, circle and polygon areas over it, give each\n"
    "area its link and alt text, and get the IMG/MAP/AREA source as a file, on\n"
    "the clipboard or in a browser preview, or the same map as an inline SVG\n"
    "element. Maps are read back from HTML pages and put back into them, and a\n"
    "checker lists what browsers and screen readers will stumble on.\n"
    "zephyrmap-cli does the same work from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; Qt's platform
# plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk | fonts-ipafont-gothic, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
