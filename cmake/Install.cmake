# What `cmake --install` and the Debian package hold: the four programs, the helpers in
# libexec/yardmark/ (each installs itself), the user's guide and the desktop integration. The data tree is the
# user's: an installed program lays it out in the user's data folder on first start.
set(YARDMARK_APP_ID example.yardmark.YardMark)
set(_desktop ${PROJECT_SOURCE_DIR}/data/desktop)

install(TARGETS yardmark yardmark-report yardmark-convert yardmark-check yardmark-backup yardmark-records yardmark-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_desktop}/${YARDMARK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desktop}/${YARDMARK_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${_desktop}/${YARDMARK_APP_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/${YARDMARK_APP_ID}.metainfo.xml
  @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${YARDMARK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The user's guide (F1): installed beside the other shared files, and copied beside the build's
# executables, where a program run from the build folder looks first.
install(FILES ${PROJECT_SOURCE_DIR}/data/UserGuide.html DESTINATION ${CMAKE_INSTALL_DATADIR}/yardmark)
configure_file(${PROJECT_SOURCE_DIR}/data/UserGuide.html ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/UserGuide.html COPYONLY)

# Debian package (scripts/package). The package installs where the build was configured to,
# so that the program recognises its own bin/ folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yardmark)
set(CPACK_PACKAGE_VENDOR YardMark)
set(CPACK_PACKAGE_CONTACT "YardMark <support@yardmark.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.yardmark.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "football game statistics and season reports")
set(CPACK_PACKAGE_DESCRIPTION
  "YardMark records the statistics of every game a football team plays (game information, points by quarter, team statistics and every player's rushing, passing, receiving, scoring and defense) and writes season reports over any set of games, which it shows and prints.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
