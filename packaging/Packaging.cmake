# Installation as a desktop application and the Debian package.
include(GNUInstallDirs)

install(TARGETS vuvuvudozizod RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.Vuvuvudozizod.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.Vuvuvudozizod.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.Vuvuvudozizod.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME org.example.Vuvuvudozizod.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/vuvuvudozizod.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.example.Vuvuvudozizod.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/vuvuvudozizod-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME org.example.Vuvuvudozizod.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vuvuvudozizod)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vuvuvudozizod developers <developers@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Thermal insulation of multilayer building envelopes (DBN V.2.6-31:2006)")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
