# Installed like any desktop application, and packaged as a Debian package
# (cpack -G DEB). Included after every subdirectory, so the targets exist.
include(GNUInstallDirs)

set(QUORVANE_APP_ID example.vornaxel.Quorvane)
set(QUORVANE_DATA_SOURCE ${PROJECT_SOURCE_DIR}/data)
# Where the programs find their shipped files: <bin>/../share/quorvane.
set(QUORVANE_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/quorvane)

install(TARGETS quorvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES
    ${QUORVANE_DATA_SOURCE}/Federal18.dtt
    ${QUORVANE_DATA_SOURCE}/logo.svg
    ${QUORVANE_DATA_SOURCE}/title.svg
    ${QUORVANE_DATA_SOURCE}/quorvane.svg
  DESTINATION ${QUORVANE_SHARE_DIR})
install(DIRECTORY ${QUORVANE_DATA_SOURCE}/help ${QUORVANE_DATA_SOURCE}/buttons
  DESTINATION ${QUORVANE_SHARE_DIR})

set(QUORVANE_EXTRA_DEPENDS
  # The print layouts are set in Arial; Liberation Sans stands in for it.
  fonts-liberation)

if(TARGET quorvane)
  install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${QUORVANE_DATA_SOURCE}/desktop/${QUORVANE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${QUORVANE_DATA_SOURCE}/desktop/${QUORVANE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${QUORVANE_DATA_SOURCE}/quorvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${QUORVANE_APP_ID}.svg)
  # The window pictures are SVG, drawn by Qt's SVG image plugin, which the
  # program loads at run time rather than links.
  list(APPEND QUORVANE_EXTRA_DEPENDS libqt6svg6)
endif()

set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR VORNAXEL)
set(CPACK_PACKAGE_CONTACT "VORNAXEL <support@vornaxel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "payroll calculator for a small employer")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvane works out the pay of one employee for one weekly or bi-weekly pay
period: gross pay, federal withholding, Social Security, Medicare, state,
city, SDI and SUI, the deductions and net pay. It keeps each employee's
settings and year-to-date ledger, prints pay stubs and checks, and exports
the year to a spreadsheet.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vornaxel.example/)
# The library packages come from the programs themselves (dpkg-shlibdeps),
# so the list stays right as the programs link other libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN QUORVANE_EXTRA_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_STRIP_FILES ON)
include(CPack)
