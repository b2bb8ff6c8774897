# What `cmake --build --preset release --target package` puts into the Debian package.
include(GNUInstallDirs)

install(TARGETS qel880 qel880ctl qel880-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/qel880.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME qel880.svg)
# The metainfo names the releases; a version without its entry would ship an outdated one.
set(_metainfo ${CMAKE_CURRENT_LIST_DIR}/com.corvane.qel880.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_metainfo})
file(READ ${_metainfo} _metainfo_text)
string(FIND "${_metainfo_text}" "<release version=\"${PROJECT_VERSION}\"" _release_at)
if(_release_at LESS 0)
  message(FATAL_ERROR "${_metainfo} has no release entry for version ${PROJECT_VERSION}")
endif()
install(FILES ${_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian keeps manual pages compressed.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
foreach(_page qel880ctl.1 qel880-sim.1)
  set(_source ${CMAKE_CURRENT_LIST_DIR}/${_page})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_source})
  file(ARCHIVE_CREATE OUTPUT ${CMAKE_BINARY_DIR}/man/${_page}.gz PATHS ${_source} FORMAT raw COMPRESSION GZip)
  install(FILES ${CMAKE_BINARY_DIR}/man/${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qel880)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Service tool for QEL880 controllers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Connects to one controller of the QEL880 family over Modbus RTU or TCP to identify it, watch its "
  "live values, edit, save and load its settings and download its logs; with a command-line client "
  "(qel880ctl) and a device simulator (qel880-sim).")
set(CPACK_PACKAGE_CONTACT "Corvane QEL880 service tool developers")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries come from dpkg-shlibdeps; the SVG image plugin (pictures, icon) is loaded at run
# time, so no linked library names it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Qt's own dialog texts in Portuguese and Spanish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
