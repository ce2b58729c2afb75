# Where an installation keeps its parts, below its prefix, and how the
# installed programs find them from their own bin folder. The paths are
# relative, so an installation works from any prefix or staging folder.
#
#   bin/                               ondrix, ondrix-cli
#   share/ondrix/                      the read-only resources
#   lib/<multiarch>/ondrix/plugins/    the example sampling plug-ins
include(GNUInstallDirs)

# Shared libraries go in the multiarch folder on Debian and its derivatives.
# GNUInstallDirs picks it only for the prefix /usr, but the programs carry
# one relative path, so the package (prefix /usr) and an install elsewhere
# must lay out alike: use the multiarch folder for every prefix there.
set(ONDRIX_LIBDIR ${CMAKE_INSTALL_LIBDIR})
if(ONDRIX_LIBDIR STREQUAL "lib" AND CMAKE_LIBRARY_ARCHITECTURE AND EXISTS /etc/debian_version)
  set(ONDRIX_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE})
endif()
set(ONDRIX_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/ondrix)
set(ONDRIX_PLUGIN_DIR ${ONDRIX_LIBDIR}/ondrix/plugins)

file(RELATIVE_PATH ONDRIX_SHARE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ONDRIX_SHARE_DIR})
file(RELATIVE_PATH ONDRIX_PLUGINS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ONDRIX_PLUGIN_DIR})
