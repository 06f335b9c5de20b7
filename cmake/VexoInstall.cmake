# Installing the player: `cmake --install build --prefix P` (or `make install
# PREFIX=P`). The programs go to P/bin and the demo library to
# P/share/vexo/demo: the player looks for it beside its program folder
# (<program folder>/../share/vexo/demo), as in the build tree. The desktop
# entry, the AppStream metainfo and the systemd user unit go where the desktop
# and systemd look under P/share, the icon at every size into the hicolor
# icon theme there, the manual pages into P/share/man and the copyright and
# changelog into P/share/doc/vexo. The Debian package (VexoPackage.cmake) is
# this same install under /usr.
set(VEXO_INSTALL_BIN_DIR bin)
set(VEXO_INSTALL_DATA_DIR share)
set(VEXO_DATA_SOURCE_DIR ${CMAKE_SOURCE_DIR}/data)
set(VEXO_INSTALL_STAGING_DIR ${CMAKE_BINARY_DIR}/install-files)

install(TARGETS vexo vexo-catalogue RUNTIME DESTINATION ${VEXO_INSTALL_BIN_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/${VEXO_INSTALL_DATA_DIR}/vexo/demo
        DESTINATION ${VEXO_INSTALL_DATA_DIR}/vexo
        PATTERN generated.stamp EXCLUDE)

# The desktop entry and the unit name the installed programs by their full
# path, so they are written at install time for the prefix given then. Each
# install writes them in a folder of its own, named for its destination, so
# two installs at once (a package built while a prefix is installed) never
# write over each other's.
install(CODE "
  set(VEXO_APP_ID ${VEXO_APP_ID})
  set(VEXO_BIN_DIR \"\${CMAKE_INSTALL_PREFIX}/${VEXO_INSTALL_BIN_DIR}\")
  # A path with blanks is one word in quotes, for the desktop and for systemd.
  set(VEXO_QUOTE \"\")
  if(VEXO_BIN_DIR MATCHES \"[ \\t]\")
    set(VEXO_QUOTE \"\\\"\")
  endif()
  string(MD5 destination \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  set(written \"${VEXO_INSTALL_STAGING_DIR}/for-\${destination}\")
  configure_file(\"${VEXO_DATA_SOURCE_DIR}/vexo.desktop.in\"
                 \"\${written}/${VEXO_APP_ID}.desktop\" @ONLY)
  configure_file(\"${VEXO_DATA_SOURCE_DIR}/vexo-catalogue.service.in\"
                 \"\${written}/vexo-catalogue.service\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${VEXO_INSTALL_DATA_DIR}/applications\"
       TYPE FILE FILES \"\${written}/${VEXO_APP_ID}.desktop\")
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${VEXO_INSTALL_DATA_DIR}/systemd/user\"
       TYPE FILE FILES \"\${written}/vexo-catalogue.service\")
  file(REMOVE_RECURSE \"\${written}\")
")

configure_file(${VEXO_DATA_SOURCE_DIR}/vexo.metainfo.xml.in
               ${VEXO_INSTALL_STAGING_DIR}/${VEXO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VEXO_INSTALL_STAGING_DIR}/${VEXO_APP_ID}.metainfo.xml
        DESTINATION ${VEXO_INSTALL_DATA_DIR}/metainfo)

install(DIRECTORY ${VEXO_APP_ICON_THEME_DIR} DESTINATION ${VEXO_INSTALL_DATA_DIR}/icons)

# The manual pages and the changelog, with the version and release day
# written in, compressed as man and Debian expect them (gzip -n: no name or
# time in the header, so the same text always gives the same bytes).
set(VEXO_MAN_PAGES vexo vexo-catalogue)
set(VEXO_INSTALL_DOC_DIR ${VEXO_INSTALL_DATA_DIR}/doc/vexo)
execute_process(COMMAND date -u -R -d ${VEXO_RELEASE_DATE}
                OUTPUT_VARIABLE VEXO_RELEASE_DAY_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
function(vexo_compressed_copy source target)
  configure_file(${source} ${target} @ONLY)
  execute_process(COMMAND gzip -9 -n -k -f ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
foreach(page IN LISTS VEXO_MAN_PAGES)
  vexo_compressed_copy(${VEXO_DATA_SOURCE_DIR}/man/${page}.1.in
                       ${VEXO_INSTALL_STAGING_DIR}/man/${page}.1)
  install(FILES ${VEXO_INSTALL_STAGING_DIR}/man/${page}.1.gz
          DESTINATION ${VEXO_INSTALL_DATA_DIR}/man/man1)
endforeach()
vexo_compressed_copy(${VEXO_DATA_SOURCE_DIR}/changelog.in ${VEXO_INSTALL_STAGING_DIR}/changelog)
install(FILES ${VEXO_INSTALL_STAGING_DIR}/changelog.gz ${VEXO_DATA_SOURCE_DIR}/copyright
        DESTINATION ${VEXO_INSTALL_DOC_DIR})
