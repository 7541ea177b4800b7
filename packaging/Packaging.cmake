# Installation as a desktop application and the Debian package.
include(GNUInstallDirs)

install(TARGETS vuvuvudozizod RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(WIN32)
  install(TARGETS vuvuvudozizod-print LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
  install(TARGETS vuvuvudozizod-print LIBRARY DESTINATION ${VUV_PRINT_MODULE_DIR})
endif()
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

# What Debian asks of every package: the copyright, the changelog (compressed the same
# way each time, so the package is reproducible) and a manual page.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${CMAKE_CURRENT_LIST_DIR}/vuvuvudozizod.1)
foreach(page debian/changelog vuvuvudozizod.1)
  get_filename_component(name ${page} NAME)
  execute_process(COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/${page}
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
install(FILES ${CMAKE_BINARY_DIR}/vuvuvudozizod.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vuvuvudozizod)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vuvuvudozizod developers <developers@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Thermal insulation of multilayer building envelopes (DBN V.2.6-31:2006)")
# Lines of at most 80 characters, as Debian asks.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Vuvuvudozizod chooses the insulation of an external wall, a floor over an"
       "unheated space or a roof so that it meets the Ukrainian building code"
       "DBN V.2.6-31:2006: the required resistance from the code's tables, the"
       "surface coefficients, up to twelve layers from a material catalogue, the"
       "check R0 >= Rqmin, the insulation board and its thickness, the quantity to"
       "order, a plain-text report and a PDF report to hand in."
       "The interface is in Russian.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://verask.example/")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the executable itself (Qt, the C++ runtime); the rest is
# what it loads by name and would silently go without:
# - qt6-translations-l10n: Qt's Russian (and Ukrainian) translation, loaded at start-up,
#   or the file dialogs and standard buttons come up in English;
# - fonts-dejavu-core: DejaVu Sans, the font the PDF report and the printout are set
#   in and embed, or another font stands in for it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core")
# xdg-utils: xdg-open hands the written PDF, the report and the web and mail addresses
# to the user's default programs; without it they open nothing, the rest works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
