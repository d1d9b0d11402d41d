# `make install` and `make package`: the program in bin/, the home directory
# as shipped in share/z5/ (the program finds it at ../share/z5 from its own
# directory and copies it into the user's data directory on the first
# start), the desktop entry, icon, AppStream metainfo and man page, and the
# Debian package CPack makes of them.
include(GNUInstallDirs)

set(Z5_APP_ID com.quenmar.z5)
set(Z5_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# The man page compressed, as Debian keeps them (-n: no time stamp, so that
# the package is made again to the byte).
set(Z5_MAN_PAGE ${CMAKE_BINARY_DIR}/z5.1.gz)
add_custom_command(OUTPUT ${Z5_MAN_PAGE}
  COMMAND gzip -9 -n -c ${Z5_PACKAGING_DIR}/z5.1 > ${Z5_MAN_PAGE}
  DEPENDS ${Z5_PACKAGING_DIR}/z5.1 VERBATIM)
add_custom_target(z5manpage ALL DEPENDS ${Z5_MAN_PAGE})

install(TARGETS z5 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The chart catalogue builder, for the charts the ship carries.
install(PROGRAMS $<TARGET_FILE:chart_catalogue> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME z5-chart-catalogue)
install(FILES ${Z5_DATA_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/z5)
install(FILES ${Z5_PACKAGING_DIR}/${Z5_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${Z5_PACKAGING_DIR}/${Z5_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${Z5_PACKAGING_DIR}/${Z5_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${Z5_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME z5)
set(CPACK_PACKAGE_VENDOR "Quenmar Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "voyage planning and navigation aid for ships' officers")
set(CPACK_PACKAGE_DESCRIPTION
  "Z5 - Brelland computes the legs of a passage written as a plain text route
(rhumb lines, great circles, composite sailing), the times at its waypoints,
intercepts and the charts that cover it; writes voyage tables, AMVER and
MOVEREP reports, NMEA and GPX waypoint files; draws the route on a Mercator
map; and shows the navigation to a waypoint from a GPS, gpsd or NMEA over
the network.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quenmar Software <z5@quenmar.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link come from dpkg-shlibdeps; Qt's platform
# plugins (the window, and the off-screen one that draws maps without a
# display) are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gpsd, gpsbabel")
include(CPack)
