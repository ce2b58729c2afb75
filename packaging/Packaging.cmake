# Installing the program like any other Linux program (cmake --install) and
# its Debian package (cpack, or the `package` target). Below the prefix:
#
#   bin/                              ondrix, ondrix-cli
#   share/ondrix/                     the read-only resources: res/Toolbar_.bmp,
#                                     the default setting.ini and wavedata.ini
#                                     a user's runtime folder is seeded from,
#                                     translations/ (.qm files), guide/ (the
#                                     user guide's web page, docs/CMakeLists.txt)
#   lib/<multiarch>/ondrix/plugins/   the example plug-ins (packaging/InstallDirs.cmake)
#   share/applications/               the desktop entry
#   share/metainfo/                   the AppStream metainfo
#   share/icons/hicolor/              the program icon, scalable and in the usual
#                                     sizes (res/CMakeLists.txt)
#   share/man/man1/                   ondrix(1), ondrix-cli(1)
#   include/ondrix/                   the plug-in header
#   share/doc/ondrix/                 the README, the example plug-ins' sources,
#                                     the copyright and the changelog

set(ONDRIX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/ondrix)

install(TARGETS ondrix ondrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ONDRIX_RUNTIME_DIR}/setting.ini ${ONDRIX_RUNTIME_DIR}/wavedata.ini DESTINATION ${ONDRIX_SHARE_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/res/Toolbar_.bmp DESTINATION ${ONDRIX_SHARE_DIR}/res)
# The plug-ins are opened, not run: no execute bits, as for any shared library.
install(TARGETS sine8 twotone16 bothwidths LIBRARY DESTINATION ${ONDRIX_PLUGIN_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# The program's translations, once the build makes them, sit in the runtime
# folder's translations/ and are installed beside the other resources.
install(DIRECTORY ${ONDRIX_RUNTIME_DIR}/translations/ DESTINATION ${ONDRIX_SHARE_DIR}/translations OPTIONAL
        FILES_MATCHING PATTERN "*.qm")

install(FILES ${CMAKE_CURRENT_LIST_DIR}/ondrix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/ondrix.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)
install(FILES ${CMAKE_SOURCE_DIR}/plugins/OndrixPlugin.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ondrix)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${ONDRIX_DOC_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/plugins/examples/ DESTINATION ${ONDRIX_DOC_DIR}/examples)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${ONDRIX_DOC_DIR})

# The Debian changelog. The project packages itself, so the package is a
# native one (its version is the program's, no Debian revision) and the file
# is changelog.gz; compressed as Debian wants it: best compression and no name
# or time stamp in the gzip header, so the package is reproducible.
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${changelog}
  COMMAND gzip -9nf ${changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${ONDRIX_DOC_DIR})

# The Debian package. Library dependencies come from dpkg-shlibdeps, which
# reads them off the installed binaries with the versions they need (the Qt 6
# libraries, ALSA, the C++ runtime) and stays right when the linkage changes;
# what the program needs without linking to it is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Ondrix)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvanta: a two-channel measuring bench on the sound card")
set(CPACK_PACKAGE_DESCRIPTION [=[
Oscilloscope with trigger, cursors and readouts, 1024-point spectrum view,
two-channel function and sweep generator, WAV recorder with on-screen
replay, CSV, BMP and printed-report exports, sampling plug-ins and mixer
sliders. ondrix-cli measures and renders WAV recordings without a window.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# A build configured before the field had an address keeps no address-less value.
if(CPACK_DEBIAN_PACKAGE_MAINTAINER STREQUAL "Ondrix developers")
  unset(CPACK_DEBIAN_PACKAGE_MAINTAINER CACHE)
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ondrix developers <ondrix@lumora.dev>" CACHE STRING "Maintainer field of the Debian package")
# Debian ships binaries without their symbol tables.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The CJK font draws the program's texts; PulseAudio's client tools (pactl)
# show and route the sound server the program records from and plays to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, pulseaudio-utils")
# The volume control the mixer commands start, and Qt's own dialogs in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pavucontrol, qt6-translations-l10n")
include(CPack)
