# The Debian package: `make package` (or `cpack -G DEB` in the build folder)
# writes vexo_<version>_<arch>.deb, which holds exactly what `cmake --install`
# puts under a prefix, here /usr. CPack builds it from the install rules, so
# the package and a source install never differ in what they hold, and
# dpkg-shlibdeps names the libraries the programs link as dependencies, so the
# list follows the binaries instead of being kept by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Installed with the prefix /usr under a staging folder (DESTDIR), so the
# files that name the programs' paths (the desktop entry, the user unit) name
# /usr/bin, not the staging folder.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGE_CONTACT ${VEXO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "music player with synced lyrics and singer pictures")
# The synopsis above, then this.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vexo is a small music player. It lists songs from its catalogue service
(charts, search with suggestions), plays the one you choose, shows its
lyrics line by line and a picture of its singer, and saves a song as an
MP3 file on request. The desktop's media keys and media controls drive it.
Its window and texts are in Simplified Chinese.
.
It comes with a demo library, so it plays music right after installation.
The catalogue service vexo-catalogue also runs on its own and serves a
music folder to players on this or other machines.")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vexo.example.org/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the programs link come from the programs. dpkg-shlibdeps
# cannot see the ones they load by name at run time (libmpv for playback,
# libcurl for every request, libpulse for the volume step) nor the font the
# texts need, a font with Chinese glyphs: those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libmpv2, libcurl4, libpulse0, fonts-noto-cjk | fonts-wqy-microhei")
# The programs go in without their debugging sections; control files with the
# permissions Debian requires.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package's file name, for the package tests: the machine's Debian
# architecture, as dpkg names it.
execute_process(COMMAND dpkg --print-architecture
                OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE no_dpkg)
if(no_dpkg)
  message(STATUS "No dpkg: the Debian package and its tests are left out")
  return()
endif()
set(VEXO_PACKAGE_FILE
    ${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
include(CPack)
